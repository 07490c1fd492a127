// Time per LookupScore call, and heap allocations per call, which must stay at none: the form looks
// up a row on every keystroke.
#include <benchmark/benchmark.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/allocation_count.h"
#include "core/score_lookup.h"

namespace orunika {
namespace {

struct Case {
  Seat seat;
  std::u16string han;
  std::u16string fu;
  const PaymentRow* row;  // what the texts select; null for none
};

std::u16string Text(unsigned value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

const PaymentRow& FourHanFortyOrMore(Seat seat) {
  for (const PaymentRow& row : PaymentTable) {
    if (row.seat == seat && row.hanClass == HanClass::Han4 && row.fu == FortyOrMore) return row;
  }
  throw std::logic_error("the table has no 4-han row for 40 fu or more");
}

// A han count of each class, the first for the dealer and the last for the non-dealer, so that
// both ends of the shared limit classes are typed.
constexpr std::array<unsigned, 9> DealerHan{1, 2, 3, 4, 5, 6, 8, 11, 13};
constexpr std::array<unsigned, 9> NonDealerHan{1, 2, 3, 4, 5, 7, 10, 12, 13};

std::vector<Case> EveryRow() {
  std::vector<Case> cases;
  for (const PaymentRow& row : PaymentTable) {
    const auto& han = row.seat == Seat::Dealer ? DealerHan : NonDealerHan;
    cases.push_back({row.seat, Text(han[static_cast<std::size_t>(row.hanClass)]),
                     row.fu == AnyFu ? u"" : Text(row.fu), &row});
  }
  return cases;
}

std::vector<Case> FourHanNumbers() {
  std::vector<Case> cases;
  for (Seat seat : {Seat::Dealer, Seat::NonDealer}) {
    for (const char16_t* fu : {u"40.5", u" 60 ", u"1e3"}) {
      cases.push_back({seat, u"4", fu, &FourHanFortyOrMore(seat)});
    }
  }
  return cases;
}

std::vector<Case> SelectNothing() {
  std::vector<Case> cases;
  for (auto [han, fu] : std::initializer_list<std::array<const char16_t*, 2>>{
           {u"", u""},
           {u"14", u"30"},
           {u"03", u"30"},
           {u"３", u"30"},
           {u"1", u"20"},
           {u"2", u"35"},
           {u"3", u"30.0"},
           {u"4", u"35"},
           {u"4", u"20.0"},
           {u"4", u"abc"},
           {u"4", u"1e999"},
       }) {
    cases.push_back({Seat::NonDealer, han, fu, nullptr});
  }
  return cases;
}

bool SelectsItsRow(const Case& input) {
  const ScoreResult result = LookupScore(input.seat, input.han, input.fu);
  const auto* row = std::get_if<PaymentRow>(&result);
  if (input.row == nullptr) return row == nullptr;
  return row != nullptr && row->seat == input.row->seat && row->hanClass == input.row->hanClass &&
         row->fu == input.row->fu && row->ron == input.row->ron;
}

// Each iteration is one call, taking the cases in turn, so the reported time is the time per call.
void LookupScoreCalls(benchmark::State& state, const std::vector<Case>& cases) {
  for (const Case& input : cases) {
    if (!SelectsItsRow(input)) {
      state.SkipWithError("a case does not select the row it was built for");
      return;
    }
  }

  std::size_t next = 0;
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : state) {
    const Case& input = cases[next];
    benchmark::DoNotOptimize(LookupScore(input.seat, input.han, input.fu));
    if (++next == cases.size()) next = 0;
  }
  const std::uint64_t allocations = bench::AllocationCount() - before;

  state.counters["allocs_per_call"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
  if (allocations != 0) {
    const std::string message =
        "LookupScore allocated on the heap: " + std::to_string(allocations) + " allocations in " +
        std::to_string(state.iterations()) + " calls";
    state.SkipWithError(message.c_str());
  }
}

BENCHMARK_CAPTURE(LookupScoreCalls, every_row, EveryRow());
BENCHMARK_CAPTURE(LookupScoreCalls, four_han_numbers, FourHanNumbers());
BENCHMARK_CAPTURE(LookupScoreCalls, select_nothing, SelectNothing());

}  // namespace
}  // namespace orunika
