#include "platform/Cp932.h"

#include <QDir>
#include <QSaveFile>
#include <QStringList>

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <iterator>
#include <memory>

namespace platform {

namespace {

struct ConverterClose {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

Converter openCp932()
{
    UErrorCode status = U_ZERO_ERROR;
    Converter c(ucnv_open("windows-31j", &status));
    if (U_FAILURE(status))
        return {};
    return c;
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString describeInvalid(const UChar* chars, int32_t length)
{
    const QString s = QString::fromUtf16(reinterpret_cast<const char16_t*>(chars), length);
    // A lone surrogate cannot be shown as itself.
    bool printable = !s.isEmpty();
    for (qsizetype i = 0; i < s.size() && printable; ++i) {
        const QChar ch = s.at(i);
        if (ch.isSurrogate()
            && !(ch.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()))
            printable = false;
        if (ch.isHighSurrogate() && printable)
            ++i;
    }
    if (printable)
        return s;
    QStringList codes;
    for (QChar ch : s)
        codes << QStringLiteral("U+%1").arg(ch.unicode(), 4, 16, QChar(u'0')).toUpper();
    return codes.join(u' ');
}

// Every sequence that is not CP932 reads as U+FFFD (ICU's own substitute would give U+001A for a
// stray single byte, a control character).
void toUnicodeReplacement(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                          UConverterCallbackReason reason, UErrorCode* err)
{
    if (reason > UCNV_IRREGULAR)
        return;   // reset, close, clone: nothing to do
    *err = U_ZERO_ERROR;
    const UChar replacement = 0xFFFD;
    ucnv_cbToUWriteUChars(args, &replacement, 1, 0, err);
}

} // namespace

std::optional<QByteArray> encodeCp932(const QString& text, QString* error)
{
    Converter conv = openCp932();
    if (!conv) {
        setError(error, QStringLiteral("Shift-JIS(CP932)の変換表を開けません。"));
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(conv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFallback(conv.get(), false);   // round-trip mappings only, no look-alikes

    QByteArray out;
    out.resize(UCNV_GET_MAX_BYTES_FOR_STRING(text.size(), ucnv_getMaxCharSize(conv.get())));
    char* target = out.data();
    const UChar* source = reinterpret_cast<const UChar*>(text.utf16());
    ucnv_fromUnicode(conv.get(), &target, out.data() + out.size(), &source, source + text.size(),
                     nullptr, true, &status);
    if (U_FAILURE(status)) {
        UChar invalid[32];   // ICU asks for room for 32 units
        int8_t length = int8_t(std::size(invalid));
        UErrorCode st2 = U_ZERO_ERROR;
        ucnv_getInvalidUChars(conv.get(), invalid, &length, &st2);
        if (U_FAILURE(st2) || length <= 0) {
            setError(error, QStringLiteral("Shift-JIS(CP932)に変換できません。(%1)")
                                .arg(QString::fromLatin1(u_errorName(status))));
        } else {
            setError(error, QStringLiteral("「%1」はShift-JIS(CP932)で書けない文字です。")
                                .arg(describeInvalid(invalid, length)));
        }
        return std::nullopt;
    }
    out.truncate(target - out.data());
    if (error)
        error->clear();
    return out;
}

QString decodeCp932(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    Converter conv = openCp932();
    if (!conv)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(conv.get(), toUnicodeReplacement, nullptr, nullptr, nullptr, &status);

    // One byte never gives more than one UTF-16 unit in CP932, a replacement included; the
    // margin only guards against a converter that thinks otherwise.
    QString out(bytes.size() * 2, Qt::Uninitialized);
    UChar* target = reinterpret_cast<UChar*>(out.data());
    const char* source = bytes.constData();
    ucnv_toUnicode(conv.get(), &target, target + out.size(), &source, source + bytes.size(),
                   nullptr, true, &status);
    if (U_FAILURE(status))
        return {};
    out.truncate(target - reinterpret_cast<const UChar*>(out.constData()));
    out.squeeze();
    return out;
}

bool writeCp932File(const QString& path, const QString& text, QString* error)
{
    const std::optional<QByteArray> bytes = encodeCp932(text, error);
    if (!bytes)
        return false;

    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);   // temporary file + rename; never writes into path directly
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, QStringLiteral("「%1」に書き込めません。\n%2").arg(shown, file.errorString()));
        return false;
    }
    if (file.write(*bytes) != bytes->size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        setError(error, QStringLiteral("「%1」に書き込めません。\n%2").arg(shown, reason));
        return false;
    }
    if (!file.commit()) {
        setError(error, QStringLiteral("「%1」に書き込めません。\n%2").arg(shown, file.errorString()));
        return false;
    }
    if (error)
        error->clear();
    return true;
}

} // namespace platform
