#include "report_charts.h"

#include "platform/text.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>

namespace vorn {

namespace {

QString Number(double x) {
    return QString::number(x, 'f', 1);
}

QString Text(double x, double y, const QString& text, const char* anchor = "start") {
    return QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"%3\">%4</text>")
        .arg(Number(x), Number(y), QLatin1String(anchor), text);
}

QString Rect(double x, double y, double w, double h, const QString& css) {
    return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" class=\"%5\"/>")
        .arg(Number(x), Number(y), Number(w), Number(h), css);
}

QString Line(double x1, double y1, double x2, double y2, const QString& css) {
    return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" class=\"%5\"/>")
        .arg(Number(x1), Number(y1), Number(x2), Number(y2), css);
}

QString Svg(int width, int height, const QString& label, const QString& body) {
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %1 %2\" "
                          "width=\"%1\" height=\"%2\" role=\"img\" aria-label=\"%3\">%4</svg>")
        .arg(width)
        .arg(height)
        .arg(label, body);
}

// An option's text on one line of a chart.
QString Shortened(const QString& text) {
    constexpr qsizetype kLongest = 42;
    return text.size() <= kLongest ? text : text.left(kLongest - 1) + u'…';
}

} // namespace

QString HtmlText(const QString& text) {
    return Printable(text).toHtmlEscaped();
}

QString HtmlLines(const QString& text) {
    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(kLineBreak);
    for (QString& line : lines)
        line = HtmlText(line);
    return lines.join(QStringLiteral("<br>"));
}

QString MarksHistogram(const std::vector<StudentFigures>& students) {
    std::array<int, 5> counts{};
    for (const StudentFigures& s : students)
        ++counts[static_cast<std::size_t>(s.first.mark.whole - 2)];
    const int most = std::max(1, *std::max_element(counts.begin(), counts.end()));
    constexpr double kLeft = 20, kBottom = 190, kTall = 150, kStep = 100, kBar = 60;
    QString body = Line(kLeft - 5, kBottom, kLeft + 5 * kStep, kBottom, QStringLiteral("axis"));
    for (int mark = 2; mark <= 6; ++mark) {
        const int count = counts[static_cast<std::size_t>(mark - 2)];
        const double x = kLeft + (mark - 2) * kStep + (kStep - kBar) / 2;
        const double h = kTall * count / most;
        body += Rect(x, kBottom - h, kBar, h, QStringLiteral("mark%1").arg(mark));
        body += Text(x + kBar / 2, kBottom - h - 5, QString::number(count), "middle");
        body += Text(x + kBar / 2, kBottom + 18,
                     MarkWord(mark) + QStringLiteral(" ") + QString::number(mark), "middle");
    }
    return Svg(540, 220, QStringLiteral("Брой ученици по оценка от първия опит"), body);
}

QString FacilityDiscriminationChart(const std::vector<QuestionFigures>& questions) {
    constexpr double kLeft = 60, kTop = 15, kWide = 440, kTall = 300;
    const auto x = [&](double facility) { return kLeft + kWide * facility / 100; };
    const auto y = [&](double discrimination) {
        return kTop + kTall * (100 - discrimination) / 200;
    };
    QString body = Rect(kLeft, kTop, kWide, kTall, QStringLiteral("frame"));
    for (int tick = 0; tick <= 100; tick += 25) {
        body += Line(x(tick), kTop, x(tick), kTop + kTall, QStringLiteral("grid"));
        body += Text(x(tick), kTop + kTall + 16, QString::number(tick), "middle");
    }
    for (int tick = -100; tick <= 100; tick += 50) {
        body += Line(kLeft, y(tick), kLeft + kWide, y(tick),
                     tick == 0 ? QStringLiteral("axis") : QStringLiteral("grid"));
        body += Text(kLeft - 6, y(tick) + 4, QString::number(tick), "end");
    }
    body += Text(kLeft + kWide / 2, kTop + kTall + 36, QStringLiteral("лекота, %"), "middle");
    body += QStringLiteral("<text x=\"14\" y=\"%1\" text-anchor=\"middle\" "
                           "transform=\"rotate(-90 14 %1)\">дискриминация</text>")
                .arg(Number(kTop + kTall / 2));
    // Questions with the same two figures share a point and a label: "5, 6".
    std::map<std::pair<double, double>, QStringList> points;
    for (const QuestionFigures& q : questions) {
        const ItemStatistics& s = q.statistics;
        if (s.facility && s.discrimination)
            points[{std::round(x(*s.facility)), std::round(y(*s.discrimination))}].append(
                QString::number(q.number));
    }
    for (const auto& [at, numbers] : points) {
        const auto [px, py] = at;
        body += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"4\" class=\"%3\"/>")
                    .arg(Number(px), Number(py),
                         py > y(0) ? QStringLiteral("negative") : QStringLiteral("point"));
        body += Text(px + 6, py - 4, numbers.join(QStringLiteral(", ")));
    }
    return Svg(520, 370, QStringLiteral("Лекота и дискриминация на въпросите"), body);
}

QString OptionBars(const QuestionFigures& question) {
    constexpr double kLabel = 300, kBar = 200, kRow = 22;
    QString body;
    double y = 4;
    for (const OptionFigures& o : question.options) {
        const double share = o.statistics.share.value_or(0);
        const QString label =
            (o.key ? QStringLiteral("✓ ключ: ") : QString()) + HtmlText(Shortened(o.text));
        body += Text(kLabel - 8, y + 15, label, "end");
        body += Rect(kLabel, y + 3, kBar, kRow - 6, QStringLiteral("track"));
        body += Rect(kLabel, y + 3, kBar * share / 100, kRow - 6,
                     o.key ? QStringLiteral("key") : QStringLiteral("wrong"));
        body += Text(kLabel + kBar + 8, y + 15,
                     o.statistics.share ? FigureText(share, u',') + QStringLiteral(" %")
                                        : QStringLiteral("-"));
        y += kRow;
    }
    return Svg(580, static_cast<int>(y + 6),
               QStringLiteral("Дял на всеки отговор на въпрос %1").arg(question.number), body);
}

} // namespace vorn
