// The status line lblDisplay: written only by the handlers that ask for a readout, never by
// the ticks.

#include <QCheckBox>
#include <QLabel>

#include "app/form1.h"
#include "display/status_text.h"

namespace app {

// Before the first run the tick readout uses the present peak voltage, and a meter reading
// (which has no scale to read against yet) leaves the line as it is.
void Form1::UpdateDisplay(const QString& mode, float x, float y) {
    const display::StatusInputs in =
        display::StatusInputsOf(model_, Scale(), store_.Get("chkVoltage", Flag::Checked),
                                store_.Get("chkCurrent", Flag::Checked));
    if (const auto text = display::UpdateDisplayText(mode.toStdString(), in, x, y)) {
        lblDisplay->setText(QString::fromStdString(*text));
    }
}

}  // namespace app
