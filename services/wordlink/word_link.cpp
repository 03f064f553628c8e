// SPDX-License-Identifier: MIT
#include "services/wordlink/word_link.h"

#include <qrcodegen/qrcodegen.hpp>
#include <stdexcept>
#include <zlib.h>

namespace wordlink {

namespace {

// Raw deflate (no zlib header), as a browser's CompressionStream('deflate-raw') writes and reads it.
std::string deflateRaw(const std::string& bytes) {
    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&z, static_cast<uLong>(bytes.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = static_cast<uInt>(bytes.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int done = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    if (done != Z_STREAM_END) throw std::runtime_error("deflate");
    return out;
}

std::string base64Url(const std::string& bytes) {
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                           static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6)
            out += digits[(v >> shift) & 63];
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        const int left = static_cast<int>(bytes.size() - i); // 1 or 2 bytes: 2 or 3 digits, no padding
        for (int k = 0; k <= left; ++k)
            out += digits[(v >> (18 - 6 * k)) & 63];
    }
    return out;
}

} // namespace

std::string siteAddress(const std::string& base) {
    const std::string site = base.substr(0, base.find('#'));
    const bool web = site.rfind("https://", 0) == 0 || site.rfind("http://", 0) == 0;
    return web && site.find_first_of(" \t\r\n") == std::string::npos ? site : std::string();
}

std::string wordLink(const std::string& site, const std::string& listBytes) {
    return site + "#words=" + base64Url(deflateRaw(listBytes));
}

std::optional<QrModules> qrModules(const std::string& text) {
    using qrcodegen::QrCode;
    const int mostVersion = (kMostQrModules - 17) / 4;
    try {
        const QrCode qr = QrCode::encodeSegments(qrcodegen::QrSegment::makeSegments(text.c_str()),
                                                 QrCode::Ecc::LOW, 1, mostVersion);
        QrModules modules{qr.getSize(), {}};
        for (int y = 0; y < modules.size; ++y)
            for (int x = 0; x < modules.size; ++x)
                modules.dark.push_back(qr.getModule(x, y));
        return modules;
    } catch (const qrcodegen::data_too_long&) {
        return std::nullopt;
    }
}

} // namespace wordlink
