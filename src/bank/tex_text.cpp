#include "tex_text.h"

#include "raised_text.h"

#include <QRegularExpression>
#include <optional>

namespace vorn {

namespace {

// Deeper groups than any school formula has; a hostile one stays raw rather
// than costing the stack.
constexpr int kMaxGroupDepth = 32;

struct Symbol {
    const char16_t* name;
    const char16_t* text;
};

constexpr Symbol kSymbols[] = {
    {u"cdot", u"·"},    {u"times", u"×"},      {u"div", u"÷"},      {u"pm", u"±"},
    {u"mp", u"∓"},      {u"le", u"≤"},         {u"leq", u"≤"},      {u"ge", u"≥"},
    {u"geq", u"≥"},     {u"ne", u"≠"},         {u"neq", u"≠"},      {u"approx", u"≈"},
    {u"infty", u"∞"},   {u"angle", u"∠"},      {u"triangle", u"△"}, {u"parallel", u"∥"},
    {u"perp", u"⊥"},    {u"degree", u"°"},     {u"circ", u"∘"},     {u"lt", u"<"},
    {u"gt", u">"},      {u"ldots", u"…"},      {u"dots", u"…"},     {u"cdots", u"⋯"},
    {u"alpha", u"α"},   {u"beta", u"β"},       {u"gamma", u"γ"},    {u"delta", u"δ"},
    {u"epsilon", u"ε"}, {u"varepsilon", u"ε"}, {u"zeta", u"ζ"},     {u"eta", u"η"},
    {u"theta", u"θ"},   {u"vartheta", u"ϑ"},   {u"iota", u"ι"},     {u"kappa", u"κ"},
    {u"lambda", u"λ"},  {u"mu", u"μ"},         {u"nu", u"ν"},       {u"xi", u"ξ"},
    {u"pi", u"π"},      {u"rho", u"ρ"},        {u"sigma", u"σ"},    {u"tau", u"τ"},
    {u"upsilon", u"υ"}, {u"phi", u"φ"},        {u"varphi", u"φ"},   {u"chi", u"χ"},
    {u"psi", u"ψ"},     {u"omega", u"ω"},      {u"Gamma", u"Γ"},    {u"Delta", u"Δ"},
    {u"Theta", u"Θ"},   {u"Lambda", u"Λ"},     {u"Xi", u"Ξ"},       {u"Pi", u"Π"},
    {u"Sigma", u"Σ"},   {u"Phi", u"Φ"},        {u"Psi", u"Ψ"},      {u"Omega", u"Ω"},
    {u"quad", u" "},    {u"qquad", u" "},      {u"sin", u"sin"},    {u"cos", u"cos"},
    {u"tan", u"tan"},   {u"cot", u"cot"},      {u"tg", u"tg"},      {u"cotg", u"cotg"},
    {u"log", u"log"},   {u"ln", u"ln"},        {u"lg", u"lg"},
};

std::optional<QString> SymbolNamed(const QString& name) {
    for (const Symbol& symbol : kSymbols)
        if (name == QStringView(symbol.name)) return QString::fromUtf16(symbol.text);
    return std::nullopt;
}

// A part that reads whole without brackets: a number or a word, powers and
// indices included ("49", "2,5", "x²").
bool ReadsWhole(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (!c.isLetterOrNumber() && c != u'.' && c != u',') return false;
    return true;
}

QString Bracketed(const QString& text) {
    return ReadsWhole(text) ? text : u'(' + text + u')';
}

// Reads one formula, without its delimiters; none when it leaves the subset.
class TexReader {
public:
    explicit TexReader(const QString& tex) : tex_(tex) {}

    std::optional<QString> formula() {
        const std::optional<QString> read = sequence(false);
        if (!read) return std::nullopt;
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        return QString(*read).replace(blanks, QStringLiteral(" ")).trimmed();
    }

private:
    bool atEnd() const { return at_ >= tex_.size(); }
    QChar peek() const { return atEnd() ? QChar() : tex_[at_]; }
    void skipBlanks() {
        while (!atEnd() && peek().isSpace())
            ++at_;
    }

    // Atoms up to the '}' that closes the group (left unread), or the end.
    std::optional<QString> sequence(bool inGroup) {
        QString out;
        while (!atEnd()) {
            const QChar c = peek();
            if (c == u'}') {
                if (inGroup) return out;
                return std::nullopt;
            }
            std::optional<QString> next;
            if (c.isSpace()) {
                ++at_;
                next = QStringLiteral(" ");
            } else if (c == u'^' || c == u'_') {
                ++at_;
                next = script(c == u'^');
            } else {
                next = atom();
            }
            if (!next) return std::nullopt;
            out += *next;
        }
        if (inGroup) return std::nullopt; // a '{' left open
        return out;
    }

    std::optional<QString> script(bool raised) {
        std::optional<QString> argument = this->argument();
        if (!argument) return std::nullopt;
        argument->remove(u' '); // TeX sets no blank in a formula's power
        if (!raised) return AsSubscript(*argument);
        if (*argument == u"∘") return QStringLiteral("°"); // ^\circ: degrees
        return AsSuperscript(*argument);
    }

    std::optional<QString> group() {
        ++at_; // '{'
        if (++depth_ > kMaxGroupDepth) return std::nullopt;
        const std::optional<QString> inside = sequence(true);
        --depth_;
        if (!inside) return std::nullopt;
        ++at_; // '}'
        return inside->trimmed();
    }

    std::optional<QString> atom() {
        const QChar c = peek();
        if (c == u'{') return group();
        if (c == u'\\') return command();
        ++at_;
        if (c == u'~') return QStringLiteral(" ");
        // An alignment, a parameter, a comment or a '$' inside: not this subset.
        if (c == u'&' || c == u'#' || c == u'%' || c == u'$') return std::nullopt;
        return QString(c);
    }

    // What ^, _, \sqrt and \frac take: a group, a command or one character.
    std::optional<QString> argument() {
        skipBlanks();
        if (atEnd() || peek() == u'}') return std::nullopt;
        return atom();
    }

    std::optional<QString> command() {
        ++at_; // '\'
        if (atEnd()) return std::nullopt;
        if (!peek().isLetter()) return escaped(tex_[at_++]);
        const qsizetype from = at_;
        while (!atEnd() && peek().isLetter())
            ++at_;
        const QString name = tex_.mid(from, at_ - from);
        // ∠ and △ name what follows them: ∠ABC, not ∠ ABC.
        if (name == u"angle" || name == u"triangle") skipBlanks();
        if (const auto symbol = SymbolNamed(name)) return symbol;
        if (name == u"sqrt") return root();
        if (name == u"frac" || name == u"dfrac" || name == u"tfrac") return fraction();
        if (name == u"text" || name == u"textrm" || name == u"mbox") return text();
        if (name == u"mathrm" || name == u"mathit" || name == u"mathbf") return argument();
        if (name == u"left" || name == u"right") return fence();
        return std::nullopt;
    }

    static std::optional<QString> escaped(QChar c) {
        if (c == u',' || c == u';' || c == u':' || c == u' ' || c == u'>')
            return QStringLiteral(" ");
        if (c == u'!') return QString();
        if (QStringView(u"{}%$&#_").contains(c)) return QString(c);
        return std::nullopt;
    }

    std::optional<QString> root() {
        QString sign = QStringLiteral("√");
        if (peek() == u'[') {
            const qsizetype close = tex_.indexOf(u']', at_);
            const QString index =
                close < 0 ? QString() : tex_.mid(at_ + 1, close - at_ - 1).trimmed();
            if (index == u"3")
                sign = QStringLiteral("∛");
            else if (index == u"4")
                sign = QStringLiteral("∜");
            else
                return std::nullopt;
            at_ = close + 1;
        }
        const std::optional<QString> radicand = argument();
        if (!radicand) return std::nullopt;
        return sign + Bracketed(*radicand);
    }

    std::optional<QString> fraction() {
        const std::optional<QString> numerator = argument();
        if (!numerator) return std::nullopt;
        const std::optional<QString> denominator = argument();
        if (!denominator) return std::nullopt;
        return Bracketed(*numerator) + u'/' + Bracketed(*denominator);
    }

    // \text{...}: words as written, spaces kept.
    std::optional<QString> text() {
        skipBlanks();
        if (peek() != u'{') return std::nullopt;
        const qsizetype close = tex_.indexOf(u'}', at_);
        if (close < 0 || tex_.mid(at_ + 1, close - at_ - 1).contains(u'{')) return std::nullopt;
        const QString words = tex_.mid(at_ + 1, close - at_ - 1);
        at_ = close + 1;
        return words;
    }

    // The bracket after \left or \right; "." is none.
    std::optional<QString> fence() {
        skipBlanks();
        if (atEnd()) return std::nullopt;
        const QChar c = tex_[at_++];
        if (c == u'.') return QString();
        if (QStringView(u"()[]|/").contains(c)) return QString(c);
        if (c == u'\\' && !atEnd() && (peek() == u'{' || peek() == u'}'))
            return QString(tex_[at_++]);
        return std::nullopt;
    }

    const QString& tex_;
    qsizetype at_ = 0;
    int depth_ = 0;
};

struct Delimiters {
    const char16_t* open;
    const char16_t* close;
};

constexpr Delimiters kDelimiters[] = {{u"\\(", u"\\)"}, {u"\\[", u"\\]"}, {u"$$", u"$$"}};

} // namespace

FormulaText ReplaceFormulas(const QString& text) {
    FormulaText replaced;
    qsizetype done = 0;
    // A closing delimiter not found after one place is found after none
    // further on: each is looked for until then, so the search stays linear.
    bool unclosed[std::size(kDelimiters)] = {};
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        for (std::size_t k = 0; k < std::size(kDelimiters); ++k) {
            const Delimiters& d = kDelimiters[k];
            if (unclosed[k] || QStringView(text).mid(i, 2) != QStringView(d.open)) continue;
            const qsizetype close = text.indexOf(QStringView(d.close), i + 2);
            unclosed[k] = close < 0;
            if (close < 0) continue;
            const QString inside = text.mid(i + 2, close - i - 2);
            const std::optional<QString> shown = TexReader(inside).formula();
            replaced.text += QStringView(text).mid(done, i - done);
            const QString written = text.mid(i, close + 2 - i);
            replaced.text += shown.value_or(written);
            if (!shown) replaced.keptAsWritten.append(written);
            done = close + 2;
            i = done - 1;
            break;
        }
    }
    replaced.text += QStringView(text).mid(done);
    return replaced;
}

QString WithFormulasAsText(const QString& text, QStringList& warnings) {
    FormulaText replaced = ReplaceFormulas(text);
    for (const QString& formula : replaced.keptAsWritten)
        warnings.append(
            QStringLiteral("формулата не може да се покаже като текст: %1").arg(formula));
    return std::move(replaced.text);
}

} // namespace vorn
