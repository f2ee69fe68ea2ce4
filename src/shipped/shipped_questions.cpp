#include "shipped_questions.h"

#include "measure_text.h"
#include "shipped_numbers.h"

namespace vorn {

using namespace Qt::StringLiterals;

// The givens of every text come from shipped_numbers.h, as in the figures.
// The keys, the distractors and the worked solutions are written out by hand:
// the tests recompute each answer from the numbers and hold it against the key.
// Distractors are the results of the usual mistakes, named in a comment.

namespace {

Question Q01() {
    const auto& n = shipped::kQ01;
    return {u"В успоредника ABCD сборът на ъглите A и C е %1. Намерете ъгъл B."_s.arg(
                Degrees(n.angleSumAC)),
            // the angle A; 180° − sum; the sum itself
            {u"65°"_s, u"50°"_s, u"115°"_s, u"130°"_s},
            u"115°"_s,
            {
                u"Ъглите A и C са срещуположни ъгли на успоредника, затова са равни."_s,
                u"Ъгъл A = ъгъл C = 130° : 2 = 65°."_s,
                u"Ъглите A и B са съседни ъгли на успоредника."_s,
                u"Сборът на два съседни ъгъла на успоредник е 180°."_s,
                u"Ъгъл B = 180° − 65° = 115°."_s,
                u"Отговор: ъгъл B = 115°."_s,
            },
            {},
            {},
            {}};
}

Question Q02() {
    const auto& n = shipped::kQ02;
    return {u"Ъглополовящата на ъгъл A в успоредника ABCD пресича страната CD в точка M. "
            u"DM = %1, MC = %2, а ъгъл A е %3. Намерете лицето на успоредника."_s.arg(
                Cm(n.dm), Cm(n.mc), Degrees(n.angleA)),
            // AB · AD without a height; AD · DH; half of the area
            {u"30 см²"_s, u"60 см²"_s, u"18 см²"_s, u"15 см²"_s},
            u"30 см²"_s,
            {
                u"AM е ъглополовяща на ъгъл A, затова ъгъл DAM = ъгъл MAB."_s,
                u"AB и CD са успоредни, а AM е тяхна секуща."_s,
                u"Затова ъгъл MAB = ъгъл AMD (кръстни ъгли)."_s,
                u"Следователно ъгъл DAM = ъгъл AMD."_s,
                u"Тогава ΔAMD е равнобедрен с основа AM."_s,
                u"AD = DM = 6 см."_s,
                u"CD = DM + MC = 6 + 4 = 10 см."_s,
                u"AB = CD = 10 см (срещуположни страни)."_s,
                u"Построяваме височината DH към страната AB."_s,
                u"ΔAHD е правоъгълен с прав ъгъл при H."_s,
                u"В него ъгъл DAH = 30°, а AD е хипотенуза."_s,
                u"Катетът срещу ъгъл 30° е равен на половината от хипотенузата."_s,
                u"DH = AD : 2 = 6 : 2 = 3 см."_s,
                u"Лицето на успоредника е S = AB · DH."_s,
                u"S = 10 · 3 = 30 см²."_s,
                u"Отговор: 30 см²."_s,
            },
            {},
            {},
            {}};
}

Question Q03() {
    const auto& n = shipped::kQ03;
    return {u"Периметърът на успоредника ABCD е %1, а страните AB и BC се отнасят както %2 : %3. "
            u"Намерете дължината на страната AB."_s.arg(Cm(n.perimeter))
                .arg(n.ratioAB)
                .arg(n.ratioBC),
            // the perimeter not halved; BC; BC with the perimeter not halved
            {u"32 см"_s, u"12 см"_s, u"16 см"_s, u"24 см"_s},
            u"16 см"_s,
            {
                u"Срещуположните страни на успоредника са равни: AB = CD и BC = AD."_s,
                u"Затова P = 2(AB + BC)."_s,
                u"AB + BC = P : 2 = 56 : 2 = 28 см."_s,
                u"Нека AB = 4x и BC = 3x."_s,
                u"4x + 3x = 28."_s,
                u"7x = 28."_s,
                u"x = 4 см."_s,
                u"AB = 4 · 4 = 16 см."_s,
                u"BC = 3 · 4 = 12 см."_s,
                u"Проверка: 2(16 + 12) = 56 см."_s,
                u"Отговор: AB = 16 см."_s,
            },
            {},
            {},
            {}};
}

Question Q04() {
    const auto& n = shipped::kQ04;
    return {u"Диагоналите на успоредника ABCD се пресичат в точка O. AC = %1, BD = %2 и AB = %3. "
            u"Намерете периметъра на триъгълника ABO."_s.arg(Cm(n.ac), Cm(n.bd), Cm(n.ab)),
            // whole diagonals; AB left out; BO left out
            {u"35 см"_s, u"15 см"_s, u"20 см"_s, u"13 см"_s},
            u"20 см"_s,
            {
                u"Диагоналите на успоредника се разполовяват от пресечната си точка."_s,
                u"AO = AC : 2 = 16 : 2 = 8 см."_s,
                u"BO = BD : 2 = 14 : 2 = 7 см."_s,
                u"Периметърът на ΔABO е AB + AO + BO."_s,
                u"P = 5 + 8 + 7."_s,
                u"P = 20 см."_s,
                u"Отговор: 20 см."_s,
            },
            {},
            {},
            {}};
}

// The options of this ratio question are written with two digits a side; the
// key is written the same way, or the right option could never match it.
Question Q05() {
    const auto& n = shipped::kQ05;
    return {u"В успоредника ABCD страните са AB = %1 и AD = %2, а DH и BK са височините "
            u"съответно към AB и AD. Намерете отношението DH : BK."_s.arg(Cm(n.ab), Cm(n.ad)),
            // the ratio turned round; equal heights; the ratio of the squares
            {u"03:02"_s, u"02:03"_s, u"01:01"_s, u"04:09"_s},
            u"02:03"_s,
            {
                u"Лицето на успоредника е произведението на страна и височината към нея."_s,
                u"S = AB · DH = AD · BK."_s,
                u"Следователно DH : BK = AD : AB = 8 : 12."_s,
                u"Съкращаваме на 4: 8 : 12 = 2 : 3."_s,
                u"Отговор: 02:03."_s,
            },
            {},
            {},
            {}};
}

Question Q06() {
    const auto& n = shipped::kQ06;
    return {u"Един от ъглите на успоредник е %1 пъти по-голям от съседния му ъгъл. Намерете "
            u"по-малкия ъгъл на успоредника."_s.arg(n.times),
            // 180° : 4; the larger angle; 360° : 5
            {u"45°"_s, u"36°"_s, u"144°"_s, u"72°"_s},
            u"36°"_s,
            {
                u"Сборът на два съседни ъгъла на успоредник е 180°."_s,
                u"Нека по-малкият ъгъл е x."_s,
                u"Тогава съседният му ъгъл е 4x."_s,
                u"x + 4x = 180°."_s,
                u"5x = 180°."_s,
                u"x = 36°."_s,
                u"Отговор: по-малкият ъгъл е 36°."_s,
            },
            {},
            {},
            {}};
}

Question Q07() {
    const auto& n = shipped::kQ07;
    return {u"Периметърът на успоредник е %1, а една от страните му е %2. Намерете дължината "
            u"на съседната ѝ страна."_s.arg(Cm(n.perimeter), Cm(n.side)),
            // P − a; P − 2a, not halved; (P − a) : 2
            {u"28 см"_s, u"8 см"_s, u"16 см"_s, u"14 см"_s},
            u"8 см"_s,
            {
                u"Срещуположните страни на успоредника са равни, затова P = 2(a + b)."_s,
                u"a + b = P : 2 = 40 : 2 = 20 см."_s,
                u"b = 20 − a."_s,
                u"b = 20 − 12 = 8 см."_s,
                u"Отговор: 8 см."_s,
            },
            {},
            {},
            {}};
}

Question Q08() {
    const auto& n = shipped::kQ08;
    return {u"В успоредника ABCD страните са AB = %1 и AD = %2, а височината DH към страната AB "
            u"е %3. Намерете лицето на успоредника."_s.arg(Cm(n.ab), Cm(n.ad), Cm(n.dh)),
            // AB · AD; half of the area; 2(AB + AD), the perimeter
            {u"45 см²"_s, u"18 см²"_s, u"28 см²"_s, u"36 см²"_s},
            u"36 см²"_s,
            {
                u"Лицето на успоредника е произведението на страна и височината към нея."_s,
                u"Височината DH е към страната AB, затова S = AB · DH."_s,
                u"S = 9 · 4 = 36 см²."_s,
                u"Отговор: 36 см² (страната AD не участва в пресмятането)."_s,
            },
            {},
            {},
            {}};
}

QString Q09Q10Figure() {
    const auto& n = shipped::kQ09Q10;
    return u"На чертежа е успоредникът ABCD с AB = %1, AD = %2 и ъгъл A = %3."_s.arg(
        Cm(n.ab), Cm(n.ad), Degrees(n.angleA));
}

Question Q09() {
    return {Q09Q10Figure() + u" Намерете ъгъл B."_s,
            // the opposite angle; 90° − A; 90° + A
            {u"30°"_s, u"60°"_s, u"150°"_s, u"120°"_s},
            u"150°"_s,
            {
                u"Ъглите A и B са съседни ъгли на успоредника."_s,
                u"Сборът на два съседни ъгъла на успоредник е 180°."_s,
                u"Ъгъл B = 180° − ъгъл A."_s,
                u"Ъгъл B = 180° − 30° = 150°."_s,
                u"Отговор: ъгъл B = 150°."_s,
            },
            {},
            {},
            {}};
}

Question Q10() {
    return {Q09Q10Figure() + u" DH е височината към AB. Намерете лицето на успоредника."_s,
            // AB · AD; half of the area; 2(AB + AD), the perimeter
            {u"112 см²"_s, u"28 см²"_s, u"56 см²"_s, u"44 см²"_s},
            u"56 см²"_s,
            {
                u"DH е височината към AB, затова ΔAHD е правоъгълен с прав ъгъл при H."_s,
                u"В него ъгъл DAH = 30°, а AD = 8 см е хипотенуза."_s,
                u"Катетът DH лежи срещу ъгъла от 30°."_s,
                u"Затова DH е половината от хипотенузата: DH = 8 : 2 = 4 см."_s,
                u"Лицето на успоредника е S = AB · DH."_s,
                u"S = 14 · 4 = 56 см²."_s,
                u"Отговор: 56 см²."_s,
            },
            {},
            {},
            {}};
}

Question Q11() {
    const auto& n = shipped::kQ11;
    return {u"В успоредника ABCD страните са AB = %1 и AD = %2, а височината DH към "
            u"страната AB е %3. Намерете височината BK към страната AD."_s.arg(Cm(n.ab), Cm(n.ad),
                                                                               Cm(n.dh)),
            // the same height; the side AD; the area as AB · AD
            {u"8 см"_s, u"10 см"_s, u"12 см"_s, u"15 см"_s},
            u"12 см"_s,
            {
                u"Лицето на успоредника е произведението на страна и височината към нея."_s,
                u"S = AB · DH = 15 · 8 = 120 см²."_s,
                u"Същото лице е S = AD · BK."_s,
                u"120 = 10 · BK."_s,
                u"BK = 120 : 10."_s,
                u"BK = 12 см."_s,
                u"Отговор: BK = 12 см."_s,
            },
            {},
            {},
            {}};
}

Question Q12() {
    const auto& n = shipped::kQ12;
    return {u"В успоредника ABCD ъгъл A е %1, а DH е височината към страната AB. Намерете "
            u"ъгъл ADH."_s.arg(Degrees(n.angleA)),
            // 180° − A; the angle A; half of A
            {u"116°"_s, u"26°"_s, u"64°"_s, u"32°"_s},
            u"26°"_s,
            {
                u"ΔAHD е правоъгълен с прав ъгъл при H."_s,
                u"Острите ъгли на правоъгълен триъгълник имат сбор 90°."_s,
                u"Ъгъл ADH = 90° − ъгъл A = 90° − 64° = 26°."_s,
                u"Отговор: ъгъл ADH = 26°."_s,
            },
            {},
            {},
            {}};
}

Question Q13() {
    const auto& n = shipped::kQ13;
    return {u"Ъглополовящата на ъгъл A в успоредника ABCD пресича страната BC в точка M, като "
            u"BM = %1 и MC = %2. Намерете периметъра на успоредника."_s.arg(Cm(n.bm), Cm(n.mc)),
            // BM and MC taken for the sides; AB taken as MC; half of the perimeter
            {u"20 см"_s, u"26 см"_s, u"34 см"_s, u"17 см"_s},
            u"34 см"_s,
            {
                u"AM е ъглополовяща на ъгъл A, затова ъгъл BAM = ъгъл MAD."_s,
                u"AD и BC са успоредни, а AM е тяхна секуща."_s,
                u"Затова ъгъл MAD = ъгъл AMB (кръстни ъгли)."_s,
                u"Следователно ъгъл BAM = ъгъл AMB."_s,
                u"Тогава ΔABM е равнобедрен с основа AM."_s,
                u"AB = BM = 7 см."_s,
                u"BC = BM + MC = 7 + 3 = 10 см."_s,
                u"Срещуположните страни са равни: CD = AB = 7 см и AD = BC = 10 см."_s,
                u"P = 2(AB + BC)."_s,
                u"P = 2(7 + 10)."_s,
                u"P = 34 см."_s,
                u"Отговор: 34 см."_s,
            },
            {},
            {},
            {}};
}

Question Q14() {
    const auto& n = shipped::kQ14;
    return {u"В успоредника ABCD диагоналът BD сключва със страните AB и AD ъгли ABD = %1 и "
            u"ADB = %2. Намерете ъгъл ADC."_s.arg(Degrees(n.angleABD), Degrees(n.angleADB)),
            // the angle A; the angle ADB; 180° − ADB
            {u"65°"_s, u"115°"_s, u"75°"_s, u"105°"_s},
            u"115°"_s,
            {
                u"AB и CD са успоредни, а BD е тяхна секуща."_s,
                u"Ъглите BDC и ABD са кръстни ъгли."_s,
                u"Затова ъгъл BDC = ъгъл ABD = 40°."_s,
                u"Ъгъл ADC = ъгъл ADB + ъгъл BDC."_s,
                u"Ъгъл ADC = 75° + 40° = 115°."_s,
                u"Проверка: от ΔABD ъгъл A = 180° − 40° − 75° = 65°."_s,
                u"Ъглите A и ADC са съседни ъгли на успоредника."_s,
                u"Сборът им трябва да е 180°."_s,
                u"65° + 115° = 180°, значи резултатът е верен."_s,
                u"Отговор: ъгъл ADC = 115°."_s,
            },
            {},
            {},
            {}};
}

Question Q15() {
    const auto& n = shipped::kQ15;
    return {u"Височината BH на успоредника ABCD дели страната AD на отсечки AH = %1 и HD = %2. "
            u"Ъгъл A е %3. Намерете лицето на успоредника."_s.arg(Cm(n.ah), Cm(n.hd),
                                                                  Degrees(n.angleA)),
            // AH · HD; AD · HD; half of the area
            {u"60 см²"_s, u"35 см²"_s, u"84 см²"_s, u"30 см²"_s},
            u"60 см²"_s,
            {
                u"BH е височина към AD, затова ъгъл AHB = 90°."_s,
                u"В ΔABH ъгъл A = 45°."_s,
                u"Ъгъл ABH = 90° − 45° = 45°."_s,
                u"Следователно ΔABH е равнобедрен правоъгълен триъгълник."_s,
                u"BH = AH = 5 см."_s,
                u"AD = AH + HD."_s,
                u"AD = 5 + 7 = 12 см."_s,
                u"Лицето на успоредника е произведението на страна и височината към нея."_s,
                u"S = AD · BH."_s,
                u"S = 12 · 5."_s,
                u"S = 60 см²."_s,
                u"Отговор: 60 см²."_s,
            },
            {},
            {},
            {}};
}

Question Q16() {
    const auto& n = shipped::kQ16;
    return {u"Лицето на успоредника ABCD е %1, а страната AB е %2. Намерете височината DH към "
            u"страната AB."_s.arg(SquareCm(n.area), Cm(n.ab)),
            // 2S : AB, as for a triangle; half of the height; S : 2
            {u"12 см"_s, u"6 см"_s, u"3 см"_s, u"36 см"_s},
            u"6 см"_s,
            {
                u"Лицето на успоредника е S = AB · DH."_s,
                u"Следователно DH = S : AB."_s,
                u"DH = 72 : 12 = 6 см."_s,
                u"Отговор: DH = 6 см."_s,
            },
            {},
            {},
            {}};
}

Question Q17() {
    const auto& n = shipped::kQ17;
    return {u"Диагоналът AC на успоредника ABCD сключва със страните AB и AD ъгли BAC = %1 и "
            u"CAD = %2. Намерете ъгъл ABC."_s.arg(Degrees(n.angleBAC), Degrees(n.angleCAD)),
            // the angle A; 180° − CAD; 180° − BAC
            {u"60°"_s, u"145°"_s, u"155°"_s, u"120°"_s},
            u"120°"_s,
            {
                u"Ъгъл BAD = ъгъл BAC + ъгъл CAD = 25° + 35° = 60°."_s,
                u"Ъглите BAD и ABC са съседни ъгли на успоредника и сборът им е 180°."_s,
                u"Ъгъл ABC = 180° − 60° = 120°."_s,
                u"Отговор: ъгъл ABC = 120°."_s,
            },
            {},
            {},
            {}};
}

// Questions 18 and 19 share their text up to the angle asked.
QString Q18Q19Text(const QString& asked) {
    const auto& n = shipped::kQ18Q19;
    return u"В успоредника ABCD сборът на ъглите A, B и C е %1. Намерете ъгъл %2."_s.arg(
        Degrees(n.angleSumABC), asked);
}

Question Q18() {
    return {Q18Q19Text(u"A"_s),
            // the angle D; the sum halved; the sum less the angle D
            {u"110°"_s, u"125°"_s, u"140°"_s, u"70°"_s},
            u"70°"_s,
            {
                u"Сборът на ъглите на успоредника е 360°, затова ъгъл D = 360° − 250° = 110°."_s,
                u"Ъглите A и D са съседни, затова ъгъл A = 180° − 110° = 70°."_s,
                u"Отговор: ъгъл A = 70°."_s,
            },
            {},
            {},
            {}};
}

Question Q19() {
    return {Q18Q19Text(u"D"_s),
            // the angle A; the sum halved; a right angle
            {u"70°"_s, u"125°"_s, u"110°"_s, u"90°"_s},
            u"110°"_s,
            {
                u"Сборът на четирите ъгъла на успоредника е 360°."_s,
                u"Ъгъл D = 360° − 250° = 110°."_s,
            },
            {},
            {},
            {}};
}

Question Q20() {
    const auto& n = shipped::kQ20;
    return {u"В успоредника ABCD диагоналът BD е перпендикулярен на страната AB, ъгъл A е %1, "
            u"а AB = %2. Намерете периметъра на успоредника."_s.arg(Degrees(n.angleA), Cm(n.ab)),
            // half of it; four equal sides; a short side left out
            {u"30 см"_s, u"15 см"_s, u"20 см"_s, u"25 см"_s},
            u"30 см"_s,
            {
                u"BD е перпендикулярен на AB, затова ΔABD е правоъгълен с прав ъгъл при B."_s,
                u"Ъгъл ADB = 90° − 60° = 30°."_s,
                u"Катетът AB лежи срещу ъгъла от 30°, затова AB = AD : 2."_s,
                u"AD = 2 · AB = 2 · 5 = 10 см."_s,
                u"P = 2(AB + AD)."_s,
                u"P = 2(5 + 10) = 30 см."_s,
                u"Отговор: 30 см."_s,
            },
            {},
            {},
            {}};
}

} // namespace

std::vector<Question> ShippedQuestions() {
    return {Q01(), Q02(), Q03(), Q04(), Q05(), Q06(), Q07(), Q08(), Q09(), Q10(),
            Q11(), Q12(), Q13(), Q14(), Q15(), Q16(), Q17(), Q18(), Q19(), Q20()};
}

} // namespace vorn
