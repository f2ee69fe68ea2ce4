#include "raised_text.h"

#include <optional>

namespace vorn {

namespace {

struct Form {
    char16_t plain;
    char16_t raised;
};

// The characters of Unicode's superscripts and subscripts that fonts have
// (the block U+2070..U+209C, with ¹ ² ³ from Latin-1).
constexpr Form kSuperscripts[] = {
    {u'0', u'⁰'}, {u'1', u'¹'}, {u'2', u'²'}, {u'3', u'³'}, {u'4', u'⁴'}, {u'5', u'⁵'},
    {u'6', u'⁶'}, {u'7', u'⁷'}, {u'8', u'⁸'}, {u'9', u'⁹'}, {u'+', u'⁺'}, {u'-', u'⁻'},
    {u'−', u'⁻'}, {u'=', u'⁼'}, {u'(', u'⁽'}, {u')', u'⁾'}, {u'n', u'ⁿ'}, {u'i', u'ⁱ'},
};

constexpr Form kSubscripts[] = {
    {u'0', u'₀'}, {u'1', u'₁'}, {u'2', u'₂'}, {u'3', u'₃'}, {u'4', u'₄'}, {u'5', u'₅'},
    {u'6', u'₆'}, {u'7', u'₇'}, {u'8', u'₈'}, {u'9', u'₉'}, {u'+', u'₊'}, {u'-', u'₋'},
    {u'−', u'₋'}, {u'=', u'₌'}, {u'(', u'₍'}, {u')', u'₎'}, {u'a', u'ₐ'}, {u'e', u'ₑ'},
    {u'o', u'ₒ'}, {u'x', u'ₓ'}, {u'h', u'ₕ'}, {u'k', u'ₖ'}, {u'l', u'ₗ'}, {u'm', u'ₘ'},
    {u'n', u'ₙ'}, {u'p', u'ₚ'}, {u's', u'ₛ'}, {u't', u'ₜ'},
};

template <std::size_t N>
std::optional<QString> Mapped(const QString& text, const Form (&forms)[N]) {
    QString mapped;
    for (const QChar c : text) {
        const Form* form = nullptr;
        for (const Form& f : forms)
            if (f.plain == c.unicode()) form = &f;
        if (!form) return std::nullopt;
        mapped += QChar(form->raised);
    }
    return mapped;
}

// Always in brackets, so that what follows never reads as part of it.
QString Marked(const QString& text, QChar mark) {
    return QString(mark) + u'(' + text + u')';
}

} // namespace

QString AsSuperscript(const QString& text) {
    if (text.isEmpty()) return text;
    return Mapped(text, kSuperscripts).value_or(Marked(text, u'^'));
}

QString AsSubscript(const QString& text) {
    if (text.isEmpty()) return text;
    return Mapped(text, kSubscripts).value_or(Marked(text, u'_'));
}

} // namespace vorn
