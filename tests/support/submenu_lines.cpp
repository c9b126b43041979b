#include "submenu_lines.h"

#include <stdexcept>

namespace {

constexpr SubmenuRow kSubmenus[] = {
    {"almeno", 1, "①温度計　②正負説明　③整数説明　④数直線正　⑤負　⑥問５　⑦問６　⑧練習問題　⑨終了",
     8},
    {"almeno", 2, "①標高　②収入　③年後前　④基準との違い　⑤問3　⑥言い換え　⑦問4　⑧終了", 7},
    {"almeno", 3, "①絶対値　②問１　③2数大小　④絶対値と大小　⑤問3　⑥３数　⑦終了", 6},
    {"almeno", 4, "①数直線で　②問6　③終了", 2},
    {"almeno", 5, "練習問題 ①1,2,3　②4,5　③終了", 2},
    {"torvane", 1, "①数直線で　②計算規則　③練習　④０　⑤0との加法　⑥問1,2　⑦問3　⑧終了", 7},
    {"torvane", 2, "①小数の計算　②～④分数の計算　⑤問4　⑥終了", 5},
    {"torvane", 3, "①導入　②加法へ、計算規則　③練習　④０　⑤問5　⑥問6　⑦終了", 6},
    {"torvane", 4, "①+なし例　②練習　③練習()なし　④問7　⑤項　⑥項練習　⑦終了", 6},
    {"torvane", 5, "①計算法則　②③計算の工夫　④まとめ　⑤問9　⑥終了", 5},
    {"torvane", 6, "①()のない式への変形　②計算　③例７　④問１０　⑤終了", 4},
    {"torvane", 7, "練習問題  ①,②,③解答　　④終了", 3},
    {"pellith", 1, "①正×正　②正×負　③負×負　④計算規則　⑤練習　⑥-1との積　⑦0,1との積　⑧終了", 7},
    {"pellith", 2, "①課題　②除法規則　③ドリル　④問4　⑤例5　⑥問5　⑦終了", 6},
    {"pellith", 3, "①例6　②問6　③逆数　④問7　⑤説明　⑥例8　⑦問8　⑧終了", 7},
    {"pellith", 4, "①交換、結合　②問9,10　③例9　④問11　⑤例10　⑥問12　⑦話しあおう　⑧終了", 7},
    {"pellith", 5, "練習問題 　①,②,③,④解答　　　⑤終了", 4},
    {"vindrel", 1, "①指数　②例１　③例２　④問２　⑤説明しよう　⑥終了", 5},
    {"vindrel", 2, "①例3　②問3　③例4　④問4　⑤分配　⑥問5　⑦説明しよう　⑧終了", 7},
    {"vindrel", 3, "練習問題 　①,②,③解答　　　④終了", 3},
    {"vindrel", 4, "①P44ひろげよう　②P45ひろげよう　③終了", 2},
    {"quorrel", 1, "①約数と倍数　②素数説明　③素因数分解　④例１　⑤問３　⑥終了", 5},
    {"quorrel", 2, "①約数　②例2　③問４　④問５　⑤終了", 4},
    {"quorrel", 3, "練習問題 　①,②,③解答　　　④終了", 3},
    {"quorrel", 4, "①P49　②1,2週平均　③問1,2　④問3,4　⑤練習問題　⑥終了", 5},
    {"quorrel", 5, "学びをたしかめよう  ①1～6　②7　③8　④9　⑤10　⑥11,12　⑦終了", 6},
    {"quorrel", 6, "学びを身につけよう　①～⑥解答　　　⑦終了", 6},
};

}  // namespace

std::vector<SubmenuRow> SubmenusOf(const std::string& program) {
  std::vector<SubmenuRow> out;
  for (const SubmenuRow& s : kSubmenus) {
    if (program == s.program) out.push_back(s);
  }
  return out;
}

const char* SubmenuOf(const std::string& program, int topic) {
  for (const SubmenuRow& s : kSubmenus) {
    if (program == s.program && topic == s.topic) return s.line;
  }
  throw std::out_of_range("no submenu written for " + program + " topic " + std::to_string(topic));
}
