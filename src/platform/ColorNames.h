#pragma once
// Colours as the settings tables store them: a 32-bit value 0x00BBGGRR (red in the low byte)
// written as the name of a standard colour ("clRed") when it is one, else as "$" and eight
// upper-case hexadecimal digits ("$00C08040").

#include <QColor>
#include <QString>

namespace platform {

// Reads "clName" (any case), "$" + hexadecimal digits or a decimal number; an empty text is black.
// Anything else reads as black with *ok false. The high byte of the value is not part of the
// colour and is ignored.
QColor colorFromText(const QString& text, bool* ok = nullptr);
// The stored form; the alpha channel is not stored.
QString colorToText(const QColor& color);

// 0x00BBGGRR.
quint32 colorValue(const QColor& color);
QColor colorFromValue(quint32 value);

} // namespace platform
