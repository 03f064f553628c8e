#include "services/data/cp932.h"
#include <QSysInfo>
#include <cerrno>
#include <iconv.h>
#include <vector>

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts what src holds into dst; false on an invalid or incomplete sequence (src then points at it)
    // or when dst is full.
    bool convert(char** src, std::size_t* srcLeft, char** dst, std::size_t* dstLeft) {
        return iconv(cd_, src, srcLeft, dst, dstLeft) != static_cast<std::size_t>(-1);
    }

    // Converts all of in; on an invalid or incomplete sequence returns false with its offset.
    bool run(const QByteArray& in, std::vector<char>& out, qsizetype* badOffset) {
        out.assign(static_cast<std::size_t>(in.size()) * 4 + 16, '\0');
        char* src = const_cast<char*>(in.constData());
        std::size_t srcLeft = static_cast<std::size_t>(in.size());
        char* dst = out.data();
        std::size_t dstLeft = out.size();
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
            if (badOffset) *badOffset = src - in.constData();
            return false;
        }
        out.resize(out.size() - dstLeft);
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

std::optional<QString> decodeCp932(const QByteArray& bytes, Cp932Fault* fault) {
    // Straight into UTF-16: every character of code page 932, one byte or two, is one UTF-16 unit, so the
    // text never needs more room than one unit a byte.
    const char* utf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
    Converter converter(utf16, "CP932");
    if (!converter.ok()) {
        if (fault) fault->offset = 0;
        return std::nullopt;
    }
    QString text(bytes.size(), Qt::Uninitialized);
    char* src = const_cast<char*>(bytes.constData());
    std::size_t srcLeft = static_cast<std::size_t>(bytes.size());
    char* dst = reinterpret_cast<char*>(text.data());
    std::size_t dstLeft = static_cast<std::size_t>(text.size()) * sizeof(QChar);
    if (!converter.convert(&src, &srcLeft, &dst, &dstLeft)) {
        if (fault) fault->offset = src - bytes.constData();
        return std::nullopt;
    }
    text.truncate(text.size() - static_cast<qsizetype>(dstLeft / sizeof(QChar)));
    return text;
}

QByteArray encodeCp932(const QString& text) {
    Converter converter("CP932", "UTF-8");
    std::vector<char> out;
    if (!converter.ok() || !converter.run(text.toUtf8(), out, nullptr)) return {};
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}
