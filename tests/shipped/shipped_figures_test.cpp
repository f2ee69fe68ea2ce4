// The figures of the shipped pictures measured: every printed length, angle
// and caption holds for the drawing, and every picture shows the givens of its
// question, so a figure cannot contradict its text. They also read the usual
// way (corners counterclockwise, labels that name a whole side or angle), and
// the committed files are these figures as painted now.

#include "figure_jpeg.h"
#include "parallelogram_figures.h"
#include "shipped/shipped_bank.h"
#include "shipped/shipped_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>

using namespace vorn;
namespace n = vorn::shipped;

namespace {

constexpr double kTolerance = 1e-9;

double Distance(QPointF a, QPointF b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// The angle between the rays vertex-from and vertex-to, in degrees.
double AngleAt(const Figure& f, const QString& vertex, const QString& from, const QString& to) {
    const QPointF v = f.point(vertex).at;
    const QPointF a = f.point(from).at - v, b = f.point(to).at - v;
    const double cosine =
        QPointF::dotProduct(a, b) / (std::hypot(a.x(), a.y()) * std::hypot(b.x(), b.y()));
    return std::acos(std::clamp(cosine, -1.0, 1.0)) * 180 / std::numbers::pi;
}

double Length(const Figure& f, const QString& a, const QString& b) {
    return Distance(f.point(a).at, f.point(b).at);
}

const FigurePoint& Corner(const Figure& f, int i) {
    return f.points.at(static_cast<std::size_t>(i));
}

// The interior angle of the parallelogram at a corner.
double CornerAngle(const Figure& f, const QString& name) {
    for (int i = 0; i < 4; ++i)
        if (Corner(f, i).name == name)
            return AngleAt(f, name, Corner(f, (i + 1) % 4).name, Corner(f, (i + 3) % 4).name);
    ADD_FAILURE() << "no corner " << name.toStdString();
    return 0;
}

bool OnSegment(QPointF p, QPointF a, QPointF b) {
    return std::abs(Distance(a, p) + Distance(p, b) - Distance(a, b)) < 1e-7;
}

// A printed length between two points (either way round).
bool ShowsLength(const Figure& f, const QString& a, const QString& b, double value) {
    for (const LengthMark& mark : f.lengths)
        if (((mark.from == a && mark.to == b) || (mark.from == b && mark.to == a)) && mark.value &&
            std::abs(*mark.value - value) < kTolerance)
            return true;
    return false;
}

bool ShowsAngle(const Figure& f, const QString& vertex, double value) {
    for (const AngleMark& mark : f.angles)
        if (mark.vertex == vertex && mark.value && std::abs(*mark.value - value) < kTolerance)
            return true;
    return false;
}

bool ShowsCaption(const Figure& f, Caption::Claim claim, double value) {
    for (const Caption& caption : f.captions)
        if (caption.claim == claim && std::abs(caption.value - value) < kTolerance) return true;
    return false;
}

const std::vector<ShippedPicture>& Pictures() {
    static const std::vector<ShippedPicture> pictures = ShippedPictures();
    return pictures;
}

} // namespace

TEST(ShippedFigures, EveryPrintedNumberHoldsForTheDrawing) {
    for (const ShippedPicture& picture : Pictures()) {
        SCOPED_TRACE(picture.file.name.toStdString());
        const Figure& f = picture.figure;
        ASSERT_GE(f.points.size(), 4u);
        const QPointF a = Corner(f, 0).at, b = Corner(f, 1).at, c = Corner(f, 2).at,
                      d = Corner(f, 3).at;
        EXPECT_LT(Distance(a + c, b + d), kTolerance) << "the corners are no parallelogram";
        for (const LengthMark& mark : f.lengths) {
            if (mark.value) {
                EXPECT_NEAR(Length(f, mark.from, mark.to), *mark.value, kTolerance)
                    << mark.from.toStdString() << mark.to.toStdString();
            }
        }
        for (const AngleMark& mark : f.angles) {
            if (mark.value) {
                EXPECT_NEAR(AngleAt(f, mark.vertex, mark.from, mark.to), *mark.value, kTolerance)
                    << mark.vertex.toStdString();
            }
        }
        for (const RightAngleMark& mark : f.rightAngles)
            EXPECT_NEAR(AngleAt(f, mark.vertex, mark.from, mark.to), 90, kTolerance);
        const double sides = Distance(a, b) + Distance(b, c);
        const double area = std::abs((b - a).x() * (d - a).y() - (b - a).y() * (d - a).x());
        for (const Caption& caption : f.captions) {
            switch (caption.claim) {
            case Caption::Claim::Perimeter:
                EXPECT_NEAR(2 * sides, caption.value, kTolerance);
                break;
            case Caption::Claim::Area:
                EXPECT_NEAR(area, caption.value, kTolerance);
                break;
            case Caption::Claim::AngleSum: {
                double sum = 0;
                for (const QString& vertex : caption.vertices)
                    sum += CornerAngle(f, vertex);
                EXPECT_NEAR(sum, caption.value, kTolerance);
                break;
            }
            case Caption::Claim::None:
                break;
            }
        }
    }
}

// A length written beside a segment that a point (a foot H or K) cuts in two
// would read as the length of a piece, so exactly those go on a dimension
// line along the whole segment.
TEST(ShippedFigures, LengthOfACutSegmentIsOnADimensionLine) {
    for (const ShippedPicture& picture : Pictures()) {
        const Figure& f = picture.figure;
        for (const LengthMark& mark : f.lengths) {
            if (mark.inCaption) continue;
            const QPointF a = f.point(mark.from).at, b = f.point(mark.to).at;
            bool cut = false;
            for (const FigurePoint& p : f.points)
                cut = cut || (OnSegment(p.at, a, b) && Distance(p.at, a) > kTolerance &&
                              Distance(p.at, b) > kTolerance);
            EXPECT_EQ(mark.dimensionLine, cut) << picture.file.name.toStdString() << ": "
                                               << mark.from.toStdString() << mark.to.toStdString();
        }
    }
}

// An angle's text sits beyond the middle of its arc, so a line from the
// vertex that halves the angle runs under it: exactly then the text is
// written on a white ground.
TEST(ShippedFigures, AngleTextOnAHalvingLineHasAWhiteGround) {
    for (const ShippedPicture& picture : Pictures()) {
        const Figure& f = picture.figure;
        for (const AngleMark& mark : f.angles) {
            bool halved = false;
            for (const FigureSegment& segment : f.segments) {
                const QString other = segment.from == mark.vertex ? segment.to
                                      : segment.to == mark.vertex ? segment.from
                                                                  : QString();
                if (other.isEmpty() || other == mark.from || other == mark.to) continue;
                const double first = AngleAt(f, mark.vertex, mark.from, other),
                             second = AngleAt(f, mark.vertex, other, mark.to);
                halved = halved ||
                         (std::abs(first - second) < kTolerance &&
                          std::abs(first + second - AngleAt(f, mark.vertex, mark.from, mark.to)) <
                              kTolerance);
            }
            EXPECT_EQ(mark.acrossLine, halved) << picture.file.name.toStdString()
                                               << ": the angle at " << mark.vertex.toStdString();
        }
    }
}

// A, B, C, D follow each other counterclockwise as drawn (y up), as a reader
// of a textbook expects: each corner turns left.
TEST(ShippedFigures, CornersAreNamedCounterclockwise) {
    const QStringList names{"A", "B", "C", "D"};
    for (const ShippedPicture& picture : Pictures()) {
        const Figure& f = picture.figure;
        for (int i = 0; i < 4; ++i) {
            const QPointF previous = f.point(names[(i + 3) % 4]).at, here = f.point(names[i]).at,
                          next = f.point(names[(i + 1) % 4]).at;
            const QPointF in = here - previous, out = next - here;
            EXPECT_GT(in.x() * out.y() - in.y() * out.x(), 0)
                << picture.file.name.toStdString() << ": turns right at " << names[i].toStdString();
        }
    }
}

// Feet of heights and points like M lie on a side, not on its extension; the
// one point inside is the crossing of the diagonals.
TEST(ShippedFigures, FurtherPointsLieOnTheSidesOrAtTheCentre) {
    for (const ShippedPicture& picture : Pictures()) {
        SCOPED_TRACE(picture.file.name.toStdString());
        const Figure& f = picture.figure;
        const QPointF centre = (Corner(f, 0).at + Corner(f, 2).at) / 2;
        for (std::size_t i = 4; i < f.points.size(); ++i) {
            const QPointF p = f.points[i].at;
            bool onSide = Distance(p, centre) < kTolerance;
            for (int s = 0; s < 4; ++s)
                onSide = onSide || OnSegment(p, Corner(f, s).at, Corner(f, (s + 1) % 4).at);
            EXPECT_TRUE(onSide) << f.points[i].name.toStdString();
        }
        for (const FigureSegment& segment : f.segments)
            EXPECT_NO_THROW((void)Length(f, segment.from, segment.to));
    }
}

TEST(ShippedFigures, EachPictureShowsTheGivensOfItsQuestions) {
    using Claim = Caption::Claim;
    const auto A = QStringLiteral("A"), B = QStringLiteral("B"), C = QStringLiteral("C"),
               D = QStringLiteral("D"), H = QStringLiteral("H"), K = QStringLiteral("K"),
               M = QStringLiteral("M"), O = QStringLiteral("O");
    const std::map<QString, std::function<void(const Figure&)>> givens{
        {"q01.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsCaption(f, Claim::AngleSum, n::kQ01.angleSumAC));
         }},
        {"q02.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsLength(f, D, M, n::kQ02.dm));
             EXPECT_TRUE(ShowsLength(f, M, C, n::kQ02.mc));
             EXPECT_TRUE(ShowsAngle(f, A, n::kQ02.angleA));
             EXPECT_NEAR(AngleAt(f, A, B, M), AngleAt(f, A, M, D), kTolerance) << "AM bisects A";
         }},
        {"q03.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsCaption(f, Claim::Perimeter, n::kQ03.perimeter));
             EXPECT_NEAR(Length(f, A, B) / Length(f, B, C),
                         double(n::kQ03.ratioAB) / n::kQ03.ratioBC, kTolerance);
         }},
        {"q04.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsLength(f, A, B, n::kQ04.ab));
             EXPECT_TRUE(ShowsLength(f, A, C, n::kQ04.ac));
             EXPECT_TRUE(ShowsLength(f, B, D, n::kQ04.bd));
             EXPECT_NEAR(Length(f, A, O), Length(f, O, C), kTolerance);
             EXPECT_NEAR(Length(f, B, O), Length(f, O, D), kTolerance);
         }},
        {"q05.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsLength(f, A, B, n::kQ05.ab));
             EXPECT_TRUE(ShowsLength(f, A, D, n::kQ05.ad));
             EXPECT_NEAR(AngleAt(f, H, D, A), 90, kTolerance);
             EXPECT_NEAR(AngleAt(f, K, B, A), 90, kTolerance);
         }},
        {"q08.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsLength(f, A, B, n::kQ08.ab));
             EXPECT_TRUE(ShowsLength(f, A, D, n::kQ08.ad));
             EXPECT_TRUE(ShowsLength(f, D, H, n::kQ08.dh));
         }},
        {"q09.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsLength(f, A, B, n::kQ09Q10.ab));
             EXPECT_TRUE(ShowsLength(f, A, D, n::kQ09Q10.ad));
             EXPECT_TRUE(ShowsAngle(f, A, n::kQ09Q10.angleA));
             EXPECT_NEAR(AngleAt(f, H, D, A), 90, kTolerance);
         }},
        {"q11.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsLength(f, A, B, n::kQ11.ab));
             EXPECT_TRUE(ShowsLength(f, A, D, n::kQ11.ad));
             EXPECT_TRUE(ShowsLength(f, D, H, n::kQ11.dh));
             EXPECT_NEAR(AngleAt(f, K, B, A), 90, kTolerance);
         }},
        {"q12.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsAngle(f, A, n::kQ12.angleA));
             EXPECT_NEAR(AngleAt(f, H, D, A), 90, kTolerance);
         }},
        {"q13.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsLength(f, B, M, n::kQ13.bm));
             EXPECT_TRUE(ShowsLength(f, M, C, n::kQ13.mc));
             EXPECT_NEAR(AngleAt(f, A, B, M), AngleAt(f, A, M, D), kTolerance) << "AM bisects A";
         }},
        {"q14.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsAngle(f, B, n::kQ14.angleABD));
             EXPECT_TRUE(ShowsAngle(f, D, n::kQ14.angleADB));
         }},
        {"q15.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsLength(f, A, H, n::kQ15.ah));
             EXPECT_TRUE(ShowsLength(f, H, D, n::kQ15.hd));
             EXPECT_TRUE(ShowsAngle(f, A, n::kQ15.angleA));
             EXPECT_NEAR(AngleAt(f, H, B, A), 90, kTolerance);
         }},
        {"q16.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsLength(f, A, B, n::kQ16.ab));
             EXPECT_TRUE(ShowsCaption(f, Claim::Area, n::kQ16.area));
             EXPECT_NEAR(AngleAt(f, H, D, A), 90, kTolerance);
         }},
        {"q17.jpg",
         [&](const Figure& f) {
             EXPECT_NEAR(AngleAt(f, A, B, C), n::kQ17.angleBAC, kTolerance);
             EXPECT_NEAR(AngleAt(f, A, C, D), n::kQ17.angleCAD, kTolerance);
             EXPECT_TRUE(ShowsAngle(f, A, n::kQ17.angleBAC));
             EXPECT_TRUE(ShowsAngle(f, A, n::kQ17.angleCAD));
         }},
        {"q18.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsCaption(f, Claim::AngleSum, n::kQ18Q19.angleSumABC));
         }},
        {"q19.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsCaption(f, Claim::AngleSum, n::kQ18Q19.angleSumABC));
         }},
        {"q20.jpg",
         [&](const Figure& f) {
             EXPECT_TRUE(ShowsLength(f, A, B, n::kQ20.ab));
             EXPECT_TRUE(ShowsAngle(f, A, n::kQ20.angleA));
             EXPECT_NEAR(AngleAt(f, B, A, D), 90, kTolerance) << "BD is perpendicular to AB";
         }},
    };
    ASSERT_EQ(givens.size(), Pictures().size());
    for (const ShippedPicture& picture : Pictures()) {
        SCOPED_TRACE(picture.file.name.toStdString());
        const auto check = givens.find(picture.file.name);
        ASSERT_NE(check, givens.end());
        check->second(picture.figure);
    }
}

// The compiled-in files are the figures as the generator paints them now,
// byte for byte: changed numbers or figures without pictures drawn again fail
// here, naming the file. Only the questions of a figure show a picture.
TEST(ShippedFigures, CompiledInPicturesAreTheFiguresPaintedNow) {
    const BankContent bank = ShippedBank();
    std::vector<bool> hasFigure(bank.questions.size(), false);
    for (const ShippedPicture& picture : Pictures()) {
        const QByteArray painted = FigureJpeg(picture.figure);
        ASSERT_FALSE(painted.isEmpty()) << picture.file.name.toStdString();
        for (const int q : picture.file.questions) {
            const auto index = static_cast<std::size_t>(q - 1);
            ASSERT_LT(index, bank.questions.size());
            hasFigure[index] = true;
            const Picture& shown = bank.questions[index].picture;
            ASSERT_NE(shown, nullptr) << "assets/pictures/" << picture.file.name.toStdString()
                                      << " is missing (question " << q << ")";
            EXPECT_TRUE(shown->encoded == painted)
                << "assets/pictures/" << picture.file.name.toStdString()
                << " is not its figure as painted now (painted with Liberation Sans); draw the "
                   "pictures again: cmake --build build --target vorn-figures && "
                   "build/tools/figures/vorn-figures assets/pictures";
        }
    }
    for (std::size_t i = 0; i < bank.questions.size(); ++i)
        EXPECT_EQ(hasFigure[i], bank.questions[i].picture != nullptr) << "question " << i + 1;
}
