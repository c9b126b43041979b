// Two pupils compute (1/3 + 1/2) × (-6): one adds inside the brackets first,
// the other takes the brackets away with the distributive law.
#include <initializer_list>

#include "explanation_page.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

namespace {

// A column: its heading, the expression 60 below, each step 70 below.
void MethodColumn(float left, const char* heading, std::initializer_list<const char*> lines) {
  SetMargins({.left = left, .indent = 54, .top = 30});
  Say(heading, XI0, YI1, 3);
  float step = 60;
  for (const char* line : lines) {
    Say(line, XI1, YI1 + step, 0);
    step = 70;
  }
}

// The two lines of remark under a column, from the last worked line in V(1).
void Remark(float left, const char* first, const char* second) {
  SetMargins({.left = left, .indent = 54, .top = V(1) + 60});
  Say(first, XI0, YI1, 3);
  Say(second, XI0, YI1 + 50, 3);
}

}  // namespace

void MethodComparisonPage() {
  BlankPage(1760, 1300);
  MethodColumn(40, "<ほのたさんの方法>",
               {" (ﾀ1/3ﾀ+ﾀ1/2ﾀ)*(-6)", "=(ﾀ2/6ﾀ+ﾀ3/6ﾀ)*(-6)", "=ﾀ5/6ﾀ*(-6)", "=-5"});
  MethodColumn(600, "<みつりさんの方法>",
               {" (ﾀ1/3ﾀ+ﾀ1/2ﾀ)*(-6)", "=ﾀ1/3ﾀ*(-6)+ﾀ1/2ﾀ*(-6)", "=-2+(-3)", "=-5"});
  V(1) = Y;
  WaitAnyKey();
  Remark(40, "かっこの中を", "さきに計算している。");
  WaitAnyKey();
  Remark(600, "分配法則でかっこをはずし、", "約分して計算している。");
}

}  // namespace vindrel
