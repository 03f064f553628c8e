#include "services/data/datatext.h"
#include "services/data/cp932.h"
#include "services/data/datafileerror.h"

namespace {

const QByteArray byteOrderMark("\xEF\xBB\xBF");

// Line (1-based) of a byte: CR LF, LF and a lone CR each end a line, as the field reader counts them.
int lineOfOffset(const QByteArray& bytes, qsizetype offset) {
    int line = 1;
    for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++line;
    }
    return line;
}

int lineOfIndex(const QString& text, qsizetype index) {
    int line = 1;
    for (qsizetype i = 0; i < index && i < text.size(); ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))) ++line;
    }
    return line;
}

bool isPrivateUse(char32_t c) {
    return (c >= 0xE000 && c <= 0xF8FF) || (c >= 0xF0000 && c <= 0x10FFFD);
}

// The user-defined characters of code page 932 (F040 to F9FC) decode to U+E000 to U+E757 and show as
// empty boxes; private-use characters of a UTF-8 file fare no better.
void refuseUnshowable(const DataText& data, const QString& name, const QString& path) {
    const QString& text = data.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
        if (!isPrivateUse(c)) continue;
        const QString code = QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0');
        const QString what = data.encoding == DataEncoding::Cp932
                                 ? QStringLiteral("a user-defined character (U+%1, Shift_JIS F040 to F9FC)")
                                 : QStringLiteral("a private-use character (U+%1)");
        throw DataFileError(name, lineOfIndex(text, i),
                            what.arg(code) + QStringLiteral(" that no font can show; write the word with "
                                                            "ordinary characters"),
                            path);
    }
}

} // namespace

void dropEndOfFileMark(QByteArray& bytes) {
    while (bytes.endsWith('\x1A'))
        bytes.chop(1);
}

Utf8Scan scanUtf8(const QByteArray& bytes) {
    Utf8Scan scan;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        scan.ascii = false;
        int more = 0;
        unsigned char low = 0x80, high = 0xBF; // the range of the byte after the lead byte
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            if (b == 0xE0) low = 0xA0;  // no overlong forms
            if (b == 0xED) high = 0x9F; // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F; // nothing past U+10FFFF
        } else {
            scan.valid = false;
            scan.badOffset = i;
            return scan;
        }
        bool ok = i + more < n && p[i + 1] >= low && p[i + 1] <= high;
        for (int k = 2; ok && k <= more; ++k)
            ok = p[i + k] >= 0x80 && p[i + k] <= 0xBF;
        if (!ok) {
            scan.valid = false;
            scan.badOffset = i;
            return scan;
        }
        if (more >= 2) scan.beyondTwoBytes = true;
        i += more + 1;
    }
    return scan;
}

DataText decodeDataFile(QByteArray bytes, const QString& name, const QString& path) {
    dropEndOfFileMark(bytes);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        throw DataFileError(name, lineOfOffset(bytes, nul), QStringLiteral("the line holds a NUL byte"),
                            path);

    DataText data;
    const Utf8Scan scan = scanUtf8(bytes);
    if (bytes.startsWith(byteOrderMark)) {
        // The mark says UTF-8; bytes that are not are a fault, not a reason to guess again.
        if (!scan.valid)
            throw DataFileError(
                name, lineOfOffset(bytes, scan.badOffset),
                QStringLiteral("bytes that are not valid UTF-8 at byte %1 (the file begins with "
                               "a UTF-8 byte-order mark)")
                    .arg(scan.badOffset),
                path);
        data.text = QString::fromUtf8(QByteArrayView(bytes).sliced(byteOrderMark.size()));
        data.encoding = DataEncoding::Utf8;
    } else if (scan.valid && !scan.ascii) {
        // A few code page 932 files are valid UTF-8 by chance: half-width katakana pair up into two-byte
        // sequences ("ﾈｺ" is C8 BA). Such a file, holding nothing from U+0800 up when read as UTF-8, is read
        // as it always was.
        std::optional<QString> cp932;
        if (!scan.beyondTwoBytes) cp932 = decodeCp932(bytes);
        if (cp932) {
            data.text = *std::move(cp932);
        } else {
            data.text = QString::fromUtf8(bytes);
            data.encoding = DataEncoding::Utf8;
        }
    } else {
        Cp932Fault fault{};
        std::optional<QString> text = decodeCp932(bytes, &fault);
        if (!text) {
            // Name the place where the file stops making sense in the encoding that read further: a UTF-8
            // file with one bad byte is told where that byte is, not where Shift_JIS gave up.
            if (!scan.valid && scan.badOffset > fault.offset)
                throw DataFileError(
                    name, lineOfOffset(bytes, scan.badOffset),
                    QStringLiteral("bytes that are not valid UTF-8 nor Shift_JIS (code page 932) "
                                   "at byte %1; save the file as UTF-8 or Shift_JIS")
                        .arg(scan.badOffset),
                    path);
            throw DataFileError(
                name, lineOfOffset(bytes, fault.offset),
                QStringLiteral("bytes that are not valid Shift_JIS (code page 932) nor UTF-8 at "
                               "byte %1; save the file as UTF-8 or Shift_JIS")
                    .arg(fault.offset),
                path);
        }
        data.text = *std::move(text);
    }
    bytes = QByteArray(); // the raw bytes are not needed any more
    refuseUnshowable(data, name, path);
    return data;
}
