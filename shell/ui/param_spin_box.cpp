#include "shell/ui/param_spin_box.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>

#include "core/numeric.h"
#include "shell/ui/qt_text.h"

namespace talp {

int stepDecimals(const ParamSpec& entry)
{
    int decimals = 0;
    for (long double step = entry.step; decimals < 6 && std::fabs(step - std::nearbyint(step)) > 1e-9L; step *= 10)
        ++decimals;
    return decimals;
}

ParamSpinBox::ParamSpinBox(Param id, QWidget* parent) : QDoubleSpinBox(parent), id_(id)
{
    const ParamSpec& s = paramSpec(id);
    setObjectName(qt(s.name));
    setLocale(QLocale::c());
    // The text is formatted by textFromValue; Qt's own rounding would cut typed decimals.
    setDecimals(s.kind == ParamKind::Real ? 10 : 0);
    setRange(static_cast<double>(s.minValue), static_cast<double>(s.maxValue));
    setSingleStep(static_cast<double>(s.step));
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAccelerated(true);
    exact_ = s.defaultValue;
    showValue(s.defaultValue);
    connect(this, &QDoubleSpinBox::valueChanged, this, &ParamSpinBox::takeUserValue);
}

void ParamSpinBox::showValue(long double value)
{
    const QSignalBlocker quiet(this);
    exact_ = value;
    setValue(static_cast<double>(value));
    // setValue leaves the text alone when the double did not change.
    lineEdit()->setText(textFromValue(static_cast<double>(value)));
}

void ParamSpinBox::takeUserValue(double value)
{
    // The text holds what the user typed; the double is only its nearest neighbour.
    long double typed = 0;
    exact_ = parseNumber(utf8(cleanText()), typed) && static_cast<double>(typed) == value ? typed : value;
    if (paramSpec(id_).kind != ParamKind::Real) exact_ = std::nearbyint(exact_);
    emit edited();
}

QString ParamSpinBox::textFromValue(double value) const
{
    const long double shown = static_cast<double>(exact_) == value ? exact_ : static_cast<long double>(value);
    if (paramSpec(id_).kind != ParamKind::Real) return qt(formatFixed(shown, 0));
    return qt(formatGeneral(shown));
}

double ParamSpinBox::valueFromText(const QString& text) const
{
    long double value = 0;
    if (!parseNumber(utf8(text), value)) return this->value();
    return static_cast<double>(value);
}

QValidator::State ParamSpinBox::validate(QString& input, int&) const
{
    if (input.isEmpty() || input == QLatin1String("-") || input == QLatin1String(".") ||
        input == QLatin1String("-."))
        return QValidator::Intermediate;
    // A number being typed may end in its decimal point for a moment.
    const bool pointLast = input.endsWith(QLatin1Char('.'));
    long double value = 0;
    if (!parseNumber(utf8(pointLast ? input.chopped(1) : input), value)) return QValidator::Invalid;
    if (pointLast) return paramSpec(id_).kind == ParamKind::Real ? QValidator::Intermediate : QValidator::Invalid;
    if (paramSpec(id_).kind != ParamKind::Real && input.contains(QLatin1Char('.'))) return QValidator::Invalid;
    const double asDouble = static_cast<double>(value);
    return asDouble >= minimum() && asDouble <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

}  // namespace talp
