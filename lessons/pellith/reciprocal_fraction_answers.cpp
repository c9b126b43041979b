// The answers of textbook questions 6 to 8, drawn whole at once: products of
// fractions and quotients of fractions in three columns, reciprocals in
// three rows.
#include "answer_columns.h"
#include "reciprocal_fraction_pages.h"
#include "textbook_answers.h"

namespace pellith {
namespace {

// A product of fractions: the problem, one fraction of products, the
// factors left after cancelling (a little further right) and the answer.
WorkedAnswer ProductAnswer(const char* label, const char* problem, const char* product,
                           const char* cancelled, const char* answer) {
  return {
      label,
      80,
      {Problem(problem), Below(product, 80), Below(cancelled, 80, 7, 64), Below(answer, 54, 5)}};
}

// A quotient of fractions: the problem at the working margin, the product
// with the reciprocal, the sign taken out and the answer.
WorkedAnswer QuotientAnswer(const char* label, const char* problem, const char* reciprocal,
                            const char* sign, const char* answer) {
  return {
      label, 75, {Below(problem, 0), Below(reciprocal, 75), Below(sign, 75), Below(answer, 75, 5)}};
}

// A reciprocal: the number given, why, and the answer, on one line.
WorkedAnswer ReciprocalAnswer(const char* label, const char* given, const char* reason,
                              const char* answer) {
  return {label, 100, {Problem(given, 3), Beside(reason, 0, 60), Beside(answer, 5, 50)}};
}

}  // namespace

void Question6AnswersPage() {
  TextbookAnswersPage("教科書　問6の答", 40, 30);
  AnswerColumns({
      {40, {ProductAnswer("(1)", "ﾀ6/5ﾀ*(-ﾀ10/3ﾀ)", "=-ﾀ6*10/5*3ﾀ", "-ﾀ2*2/1*1ﾀ", "=-4")}},
      {360,
       {ProductAnswer("(2)", "(-ﾀ2/3ﾀ)*(-ﾀ11/2ﾀ)", "=+(ﾀ2/3ﾀ*ﾀ11/2ﾀ)", "+(ﾀ1/3ﾀ*ﾀ11/1ﾀ)",
                      "=ﾀ11/3ﾀ")}},
      {800,
       {ProductAnswer("(3)", "(-ﾀ8/3ﾀ)*ﾀ1/2ﾀ", "=-(ﾀ8/3ﾀ*ﾀ1/2ﾀ)", "-(ﾀ4/3ﾀ*ﾀ1/1ﾀ)", "=-ﾀ4/3ﾀ")}},
  });
}

void Question7AnswersPage() {
  TextbookAnswersPage("問7 解答", 40, 30);
  AnswerColumns({
      {40,
       {ReciprocalAnswer("(1)", "-ﾀ2/5ﾀ", "(-ﾀ2/5ﾀ)*(-ﾀ5/2ﾀ)=1 だから", "-ﾀ5/2ﾀ"),
        ReciprocalAnswer("(2)", "-ﾀ1/6ﾀ", "(-ﾀ1/6ﾀ)*(-6)=1 だから", "-6"),
        ReciprocalAnswer("(3)", "-3", "-3*(-ﾀ1/3ﾀ)=1 だから", "-ﾀ1/3ﾀ")}},
  });
}

void Question8AnswersPage() {
  TextbookAnswersPage("教科書 問8解答", 40, 30);
  AnswerColumns({
      {40,
       {QuotientAnswer("(1)", " ﾀ5/4ﾀ/(-15)", "=ﾀ5/4ﾀ*(-ﾀ1/15ﾀ)", "=-(ﾀ5/4ﾀ*ﾀ1/15ﾀ)", "=-ﾀ1/12ﾀ")}},
      {400, {QuotientAnswer("(2)", " (-ﾀ2/3ﾀ)/ﾀ1/6ﾀ", "=(-ﾀ2/3ﾀ)*6", "=-(ﾀ2/3ﾀ*6)", "=-4")}},
      {800,
       {QuotientAnswer("(3)", " (-ﾀ3/8ﾀ)/(-ﾀ9/16ﾀ)", "=(-ﾀ3/8ﾀ)*(-ﾀ16/9ﾀ)", "=+(ﾀ3/8ﾀ*ﾀ16/9ﾀ)",
                       "=ﾀ2/3ﾀ")}},
  });
}

}  // namespace pellith
