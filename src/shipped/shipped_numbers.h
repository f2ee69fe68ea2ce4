#pragma once
// The numbers of the shipped geometry test, one record per question. The
// question texts, the figures and the tests that recompute the answers all
// read them from here, so a text, its picture and its key cannot drift apart.
// Lengths are in centimetres, angles in degrees. Fields named "drawn..." only
// shape a figure where the question leaves that length or angle open; they are
// never written in a text or a picture.

namespace vorn::shipped {

// 1: the sum of the opposite angles A and C; the angle B is asked.
struct Q01 {
    int angleSumAC = 130;
    double drawnAB = 10, drawnAD = 5;
};

// 2: the bisector of A meets CD at M; the area is asked.
struct Q02 {
    int dm = 6, mc = 4, angleA = 30;
};

// 3: the perimeter and the ratio AB : BC; AB is asked.
struct Q03 {
    int perimeter = 56, ratioAB = 4, ratioBC = 3;
    double drawnAngleA = 60;
};

// 4: the diagonals meet at O; the perimeter of ABO is asked.
struct Q04 {
    int ab = 5, ac = 16, bd = 14;
};

// 5: two sides; the ratio of the heights DH : BK is asked.
struct Q05 {
    int ab = 12, ad = 8;
    double drawnAngleA = 60;
};

// 6: one angle is `times` times its neighbour; the smaller is asked. No picture.
struct Q06 {
    int times = 4;
};

// 7: the perimeter and one side; the neighbouring side is asked. No picture.
struct Q07 {
    int perimeter = 40, side = 12;
};

// 8: two sides and the height DH to AB; the area is asked.
struct Q08 {
    int ab = 9, ad = 5, dh = 4;
};

// 9 and 10: one figure, two sides and the angle A; 9 asks the angle B, 10 the area.
struct Q09Q10 {
    int ab = 14, ad = 8, angleA = 30;
};

// 11: two sides and the height DH; the height BK to AD is asked.
struct Q11 {
    int ab = 15, ad = 10, dh = 8;
};

// 12: the angle A and the height DH; the angle ADH is asked.
struct Q12 {
    int angleA = 64;
    double drawnAB = 10, drawnAD = 6;
};

// 13: the bisector of A meets BC at M; the perimeter is asked.
struct Q13 {
    int bm = 7, mc = 3;
    double drawnAngleA = 60;
};

// 14: the angles of the diagonal BD with AB and AD; the angle ADC is asked.
struct Q14 {
    int angleABD = 40, angleADB = 75;
    double drawnAB = 10;
};

// 15: the height BH cuts AD into AH and HD; the area is asked.
struct Q15 {
    int ah = 5, hd = 7, angleA = 45;
};

// 16: the area and AB; the height DH is asked.
struct Q16 {
    int area = 72, ab = 12;
    double drawnAD = 7.5;
};

// 17: the angles of the diagonal AC with AB and AD; the angle ABC is asked.
struct Q17 {
    int angleBAC = 25, angleCAD = 35;
    double drawnAB = 10;
};

// 18 and 19: the sum of the angles A, B and C; 18 asks A, 19 asks D.
struct Q18Q19 {
    int angleSumABC = 250;
    double drawnAB = 10, drawnAD = 7;
};

// 20: the diagonal BD is perpendicular to AB; the perimeter is asked.
struct Q20 {
    int ab = 5, angleA = 60;
};

inline constexpr Q01 kQ01{};
inline constexpr Q02 kQ02{};
inline constexpr Q03 kQ03{};
inline constexpr Q04 kQ04{};
inline constexpr Q05 kQ05{};
inline constexpr Q06 kQ06{};
inline constexpr Q07 kQ07{};
inline constexpr Q08 kQ08{};
inline constexpr Q09Q10 kQ09Q10{};
inline constexpr Q11 kQ11{};
inline constexpr Q12 kQ12{};
inline constexpr Q13 kQ13{};
inline constexpr Q14 kQ14{};
inline constexpr Q15 kQ15{};
inline constexpr Q16 kQ16{};
inline constexpr Q17 kQ17{};
inline constexpr Q18Q19 kQ18Q19{};
inline constexpr Q20 kQ20{};

} // namespace vorn::shipped
