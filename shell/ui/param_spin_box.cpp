#include "shell/ui/param_spin_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
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
    // The change handlers run as the planner types, so that dependent fields follow; a
    // half-typed number that does not parse is not reported.
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAccelerated(true);
    exact_ = s.defaultValue;
    showValue(s.defaultValue);
    connect(this, &QDoubleSpinBox::valueChanged, this, &ParamSpinBox::takeUserValue);
}

void ParamSpinBox::showValue(long double value)
{
    const QSignalBlocker quiet(this);
    // The number being typed is left as it stands when it is the value (as "2.50" is 2.5), so
    // that the cursor stays where the planner types.
    long double typed = 0;
    if (hasFocus() && parseNumber(utf8(cleanText()), typed) && typed == value) {
        exact_ = value;
        return;
    }
    exact_ = value;
    setValue(static_cast<double>(value));
    // setValue leaves the text alone when the double did not change.
    lineEdit()->setText(textFromValue(static_cast<double>(value)));
}

void ParamSpinBox::takeUserValue(double value)
{
    // The text holds what the user typed; the double is only its nearest neighbour.
    long double typed = 0;
    long double taken = parseNumber(utf8(cleanText()), typed) && static_cast<double>(typed) == value ? typed : value;
    if (paramSpec(id_).kind != ParamKind::Real) taken = std::nearbyint(taken);
    // Enter confirms the number typed so far once more: that is no new edit.
    if (taken == exact_) return;
    exact_ = taken;
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

void ParamSpinBox::fixup(QString& input) const
{
    // A number beyond the bounds becomes the nearest bound, as the model's setter corrects it,
    // and the field shows the bound; anything else goes back to the value held.
    long double typed = 0;
    if (!parseNumber(utf8(input), typed)) {
        input = textFromValue(value());
        return;
    }
    const ParamSpec& s = paramSpec(id_);
    input = qt(s.kind == ParamKind::Real ? formatGeneral(std::clamp(typed, s.minValue, s.maxValue))
                                         : formatFixed(std::clamp(std::nearbyint(typed), s.minValue, s.maxValue), 0));
}

void ParamSpinBox::commit() { interpretText(); }

QValidator::State ParamSpinBox::validate(QString& input, int&) const
{
    // Display and files know only the point; a German planner's comma is read as one.
    input.replace(QLatin1Char(','), QLatin1Char('.'));
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

void commitPendingEdit()
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (auto* box = qobject_cast<ParamSpinBox*>(w)) {
            box->commit();
            return;
        }
    }
}

}  // namespace talp
