#pragma once
// Where the HVAC window asks for a ventilation file written by a building simulation. The
// file dialog (file name, header lines, format, check of the whole file) implements this;
// the HVAC window only needs to know whether a file was accepted.

class QWidget;

namespace talp {

class VentilationFileDialog {
public:
    virtual ~VentilationFileDialog() = default;
    // Shows the dialog modally with the project's building file (its name and header-line
    // count). True when the user accepted a file that passed the check: the project's
    // building coupling record then holds it, valid, with its column letters. False when
    // the dialog was cancelled.
    virtual bool chooseBuildingFile(QWidget* parent) = 0;
};

}  // namespace talp
