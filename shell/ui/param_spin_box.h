#pragma once
// A spin box for one numeric input of the parameter table: its bounds, step, decimals and
// component name come from the engine's table, and its text always uses "." as decimal
// separator (a typed "," is read as "."). It shows the model's value exactly (no rounding
// to the step) and reports each number as it is typed, as the long double the text says, so
// a typed 0.53 reaches the model as 0.53, not as the nearest double.

#include <QDoubleSpinBox>

#include "core/parameters.h"

namespace talp {

class ParamSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit ParamSpinBox(Param id, QWidget* parent = nullptr);

    Param param() const { return id_; }
    // The value as the model holds it.
    long double exactValue() const { return exact_; }

    // Shows a value of the model without reporting an edit: the engine's rules keep the
    // inputs consistent, the spin boxes only follow.
    void showValue(long double value);
    // Takes the text being typed as Enter would: a number beyond the bounds becomes the
    // bound, and a changed value is reported.
    void commit();

signals:
    // The user typed or stepped to a new value; exactValue() holds it.
    void edited();

protected:
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    void takeUserValue(double value);

    Param id_;
    long double exact_ = 0;
};

// Decimals a value of this parameter is stepped in (0 for whole steps, 1 for 0.1, ...).
int stepDecimals(const ParamSpec& entry);

// Finishes the number being typed into the focused input, as Enter would. Every command
// that reads or writes the project (save, print, an evaluation, ...) calls it first, so that
// what the planner sees in the field is what the command works with.
void commitPendingEdit();

}  // namespace talp
