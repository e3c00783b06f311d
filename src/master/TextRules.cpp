#include "master/TextRules.h"

#include "platform/Cp932.h"

namespace master {

std::optional<QString> cp932Refusal(const QString& text)
{
    QString error;
    if (platform::encodeCp932(text, &error))
        return std::nullopt;
    return error;
}

std::optional<QString> freeTextRefusal(const QString& text, int maxLength)
{
    if (maxLength > 0 && text.size() > maxLength)
        return QStringLiteral("入力範囲外です。");
    return cp932Refusal(text);
}

} // namespace master
