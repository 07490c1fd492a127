// Time per ShowScore on the form model, run the way typing runs it: every change of the fu box.
// With 3 han typed, the fu flips between "40", which shows a row, and "4", which shows none.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "bench/allocation_count.h"
#include "core/score_lookup.h"
#include "form/m.h"

namespace orunika {
namespace {

const PaymentRow* ThreeHanFortyFu(Seat seat) {
  for (const PaymentRow& row : PaymentTable) {
    if (row.seat == seat && row.hanClass == HanClass::Han3 && row.fu == 40) return &row;
  }
  return nullptr;
}

bool Shows(const m& form, std::u16string_view ron, std::u16string_view tsumo) {
  return form.c.Caption() == ron && form.d.Caption() == tsumo;
}

void ShowScoreOnTyping(benchmark::State& state, Seat seat) {
  m form;
  form.Load.Raise();
  if (seat == Seat::NonDealer) form.h.SetValue(true);
  form.a.SetText(u"3");

  const PaymentRow* row = ThreeHanFortyFu(seat);
  form.b.SetText(u"40");
  const bool showsRow = row != nullptr && Shows(form, row->RonText(), row->TsumoText());
  form.b.SetText(u"4");
  if (!showsRow || !Shows(form, u"入力が必要", u"入力が必要")) {
    state.SkipWithError("the form does not show what 3 han with 40 fu, then 4 fu, select");
    return;
  }

  bool forty = true;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : state) {
    form.b.SetText(forty ? u"40" : u"4");
    forty = !forty;
  }
  const std::uint64_t allocations = bench::AllocationCount() - before;
  state.counters["allocs_per_call"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(ShowScoreOnTyping, dealer, Seat::Dealer);
BENCHMARK_CAPTURE(ShowScoreOnTyping, non_dealer, Seat::NonDealer);

}  // namespace
}  // namespace orunika
