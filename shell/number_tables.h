// The key choice that the table conversion also makes: the keys Q, W, E, R,
// T, @, I, [, ] and S as choices 1 to 10.
#pragma once

// The choice 1 to 10 of the last key; kept when the key was none of them.
extern float HHKIG;
// 1 when the last key was one of the choice keys, else 0.
extern float FKIG;
