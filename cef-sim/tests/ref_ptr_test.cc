#include <gtest/gtest.h>

#include "include/cef_base.h"

namespace {

class Counted : public virtual CefBaseRefCounted {
 public:
  explicit Counted(int* deleted) : deleted_(deleted) {}
  ~Counted() override { ++*deleted_; }

 private:
  int* deleted_;
  IMPLEMENT_REFCOUNTING(Counted);
};

class Derived : public Counted {
 public:
  using Counted::Counted;
};

TEST(CefRefPtrTest, TheLastReferenceDeletesTheObject) {
  int deleted = 0;
  {
    CefRefPtr<Counted> a = new Counted(&deleted);
    EXPECT_TRUE(a->HasOneRef());
    {
      CefRefPtr<Counted> b = a;
      EXPECT_FALSE(a->HasOneRef());
      CefRefPtr<Counted> c = std::move(b);
      EXPECT_EQ(c, a);
    }
    EXPECT_TRUE(a->HasOneRef());
    EXPECT_EQ(deleted, 0);
  }
  EXPECT_EQ(deleted, 1);
}

TEST(CefRefPtrTest, MovingCopiesAndTheSourceKeepsItsReference) {
  int deleted = 0;
  CefRefPtr<Derived> source = new Derived(&deleted);
  CefRefPtr<Counted> constructed(std::move(source));
  CefRefPtr<Counted> assigned;
  assigned = std::move(source);
  CefRefPtr<CefBaseRefCounted> converted;
  converted = std::move(constructed);
  EXPECT_EQ(source, assigned);
  EXPECT_EQ(constructed, assigned);
  EXPECT_EQ(converted.get(), static_cast<CefBaseRefCounted*>(source.get()));

  source = nullptr;
  constructed = nullptr;
  assigned = nullptr;
  EXPECT_EQ(deleted, 0) << "each copy held a reference of its own";
  EXPECT_TRUE(converted->HasOneRef());
  converted = nullptr;
  EXPECT_EQ(deleted, 1);
}

TEST(CefRefPtrTest, AssignmentKeepsAnObjectAliveThatOnlyItHeld) {
  int deleted = 0;
  CefRefPtr<Counted> a = new Counted(&deleted);
  Counted* raw = a.get();
  a = raw;
  EXPECT_EQ(deleted, 0) << "assigning the sole owner's own object must not free it";
  a = a;
  EXPECT_EQ(deleted, 0);
  a = nullptr;
  EXPECT_EQ(deleted, 1);
}

TEST(CefRefPtrTest, ConvertsToABaseWithoutLosingCount) {
  int deleted = 0;
  CefRefPtr<Derived> derived = new Derived(&deleted);
  CefRefPtr<CefBaseRefCounted> base = derived;
  CefRefPtr<Counted> moved = CefRefPtr<Derived>(derived);
  derived = nullptr;
  moved = nullptr;
  EXPECT_EQ(deleted, 0);
  EXPECT_TRUE(base->HasOneRef());
  base = nullptr;
  EXPECT_EQ(deleted, 1);
}

TEST(CefRefPtrTest, ReleaseReportsTheLastReference) {
  int deleted = 0;
  Counted* raw = new Counted(&deleted);
  raw->AddRef();
  raw->AddRef();
  EXPECT_TRUE(raw->HasAtLeastOneRef());
  EXPECT_FALSE(raw->Release());
  EXPECT_TRUE(raw->Release());
  EXPECT_EQ(deleted, 1);
}

}  // namespace
