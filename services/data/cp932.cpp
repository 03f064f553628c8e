#include "services/data/cp932.h"
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
    Converter converter("UTF-8", "CP932");
    if (!converter.ok()) {
        if (fault) fault->offset = 0;
        return std::nullopt;
    }
    std::vector<char> out;
    qsizetype bad = 0;
    if (!converter.run(bytes, out, &bad)) {
        if (fault) fault->offset = bad;
        return std::nullopt;
    }
    return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
}

QByteArray encodeCp932(const QString& text) {
    Converter converter("CP932", "UTF-8");
    std::vector<char> out;
    if (!converter.ok() || !converter.run(text.toUtf8(), out, nullptr)) return {};
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}
