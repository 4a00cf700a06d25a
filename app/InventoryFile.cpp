#include "InventoryFile.h"

#include "platform/Errors.h"

#include <QStringDecoder>
#include <iconv.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// What a file is, by the signature it starts with.
QString kindBySignature(const QByteArray& bytes)
{
    static const struct {
        QByteArray signature;
        const char16_t* kind;
    } kinds[] = {
        {QByteArray("PK\x03\x04", 4), u"an Excel workbook (.xlsx) or another zipped document"},
        {QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8), u"an Excel 97-2003 workbook (.xls) or another Office document"},
        {QByteArray("%PDF-"), u"a PDF document"},
        {QByteArray("{\\rtf"), u"an RTF document"},
        {QByteArray("\x89PNG\r\n\x1A\n", 8), u"a PNG image"},
        {QByteArray("\xFF\xD8\xFF", 3), u"a JPEG image"},
        {QByteArray("GIF8"), u"a GIF image"},
    };
    for (const auto& kind : kinds)
        if (bytes.startsWith(kind.signature))
            return QString::fromUtf16(kind.kind);
    return QString();
}

std::optional<QString> decoded(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// GB18030 through the C library's converter; nothing when a byte sequence is not GB18030.
std::optional<QString> decodedGb18030(const QByteArray& bytes)
{
    const iconv_t converter = iconv_open("UTF-8", "GB18030");
    if (converter == iconv_t(-1))
        return std::nullopt;
    QByteArray utf8(bytes.size() * 2 + 4, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* out = utf8.data();
    size_t outLeft = size_t(utf8.size());
    const bool whole = iconv(converter, &in, &inLeft, &out, &outLeft) != size_t(-1) && inLeft == 0;
    iconv_close(converter);
    if (!whole)
        return std::nullopt;
    utf8.truncate(utf8.size() - qsizetype(outLeft));
    return QString::fromUtf8(utf8);
}

std::optional<QString> decodedText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decoded(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return decoded(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return decoded(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    if (std::optional<QString> text = decoded(QStringConverter::Utf8, bytes))
        return text;
    return decodedGb18030(bytes);
}

// Control characters other than tabs, line and page breaks belong to no text file.
bool readsAsText(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f')
            return false;
    return true;
}

} // namespace

QString decodeInventory(const QByteArray& bytes, const QString& fileName)
{
    const QString what = u"\""_s + fileName + u"\" is "_s;
    const QString todo = u": save the list from it as CSV or text, one chemical per line, and check that file"_s;
    const QString kind = kindBySignature(bytes);
    if (!kind.isEmpty())
        throw Exception(what + kind + u", not a text file"_s + todo);
    const std::optional<QString> text = decodedText(bytes);
    if (!text || !readsAsText(*text))
        throw Exception(what + u"not a text file in UTF-8, UTF-16 or GB18030"_s + todo);
    return *text;
}
