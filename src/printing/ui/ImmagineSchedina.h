#pragma once
#include <QImage>
#include <QString>

namespace sirvela {

// The picture of a paper ticket under the calibration preview: 76 mm across, drawn at four
// pixels a millimetre with its boxes where the default calibration puts the marks (two
// columns of eight position blocks, six boxes a row, and the system strip beside them).
inline constexpr double kPixelPerMm = 4;
inline constexpr double kLarghezzaSchedinaMm = 76;
inline constexpr double kAltezzaSchedinaMm = 190;

QImage DisegnaSchedina();
// "sched.bmp" in the program folder.
QString FileImmagineSchedina();
// The picture from the program folder; when it is missing it is drawn and put there first.
QImage ImmagineSchedina();

}  // namespace sirvela
