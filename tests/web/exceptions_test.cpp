// WebAssembly drops every catch unless it is built with exceptions; ShowScore's catch is what
// keeps a failed allocation from stopping the page with an old result on show.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "form/m.h"

static bool failNextAllocation = false;

// Paired with the library's operator delete, which frees with std::free.
void* operator new(std::size_t size) {
  void* block = failNextAllocation ? nullptr : std::malloc(size == 0 ? 1 : size);
  failNextAllocation = false;
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

TEST(ShowScore, AFailedAllocationLeavesBothFieldsAsking) {
  orunika::m form;
  form.Load.Raise();
  form.a.SetText(u"3");
  form.b.SetText(u"40");
  ASSERT_EQ(form.c.Caption(), u"7700");
  // The non-dealer's tsumo text, "1300.2600", is too long to be kept inside the string itself.
  failNextAllocation = true;
  form.h.SetValue(true);
  EXPECT_EQ(form.c.Caption(), u"入力が必要");
  EXPECT_EQ(form.d.Caption(), u"入力が必要");
}
