// The numbers and texts of one decimal product and one decimal quotient of
// the example pages, made from the whole numbers that the pages draw.
#pragma once

namespace pellith {

// The product of `first` / 10^`places` and `second` / 10, the whole
// numbers signed: T(1) to T(6), F(1), F(2), and the texts T_s(1) to T_s(6),
// F_sa(2) and the sign F_s as the page shows them ("(-0.13)", "0.091", "3").
void MakeDecimalProduct(float first, float second, float places);

// The quotient `quotient` / 10^`quotient_places` of a dividend by the
// divisor `divisor` / 10^`divisor_places`, with the signs 1 or -1 of the
// quotient and the divisor (a positive quotient takes a negative divisor):
// T(1) to T(6), F(1) to F(6), and the texts T_s(1) to T_s(6), T_s(11) to
// T_s(13), F_sa(4) and F_sa(7) as the page shows them.
void MakeDecimalQuotient(float quotient, float divisor, float quotient_places, float divisor_places,
                         float quotient_sign, float divisor_sign);

}  // namespace pellith
