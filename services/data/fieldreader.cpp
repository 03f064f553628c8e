#include "services/data/fieldreader.h"
#include "services/data/boundedread.h"
#include <QFileInfo>

FieldReader FieldReader::open(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString full = info.absoluteFilePath();
    DataText data = decodeDataFile(readDataFile(path, maxFileBytes), name, full);
    return FieldReader(name, std::move(data.text), full, data.encoding);
}

FieldReader::FieldReader(QString fileName, QString text, QString path, DataEncoding encoding)
    : fileName_(std::move(fileName)), path_(std::move(path)), encoding_(encoding), text_(std::move(text)) {}

bool FieldReader::atEnd() const {
    if (afterComma_) return false; // a comma promises one more field, if only an empty one
    for (qsizetype i = pos_; i < text_.size(); ++i) {
        const QChar c = text_[i];
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n') return false;
    }
    return true;
}

bool FieldReader::atLineBreak() const {
    return pos_ < text_.size() && (text_[pos_] == u'\r' || text_[pos_] == u'\n');
}

void FieldReader::skipLineBreak() {
    if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n') ++pos_;
    ++pos_;
    ++currentLine_;
}

void FieldReader::skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t'))
        ++pos_;
}

void FieldReader::fail(const QString& detail) const {
    throw DataFileError(fileName_, fieldLine_, detail, path_);
}

QString FieldReader::readText() {
    skipBlanks();
    if (afterComma_ && (pos_ >= text_.size() || atLineBreak())) {
        // The empty field between a comma and the line end (or the end of the file).
        afterComma_ = false;
        fieldLine_ = currentLine_;
        if (pos_ < text_.size()) skipLineBreak();
        return QString();
    }
    if (pos_ >= text_.size()) {
        // Name the line of the record's last field: the line the teacher has to complete.
        if (fieldLine_ == 0) fieldLine_ = 1;
        fail(QStringLiteral("the file ends in the middle of a record"));
    }
    fieldLine_ = currentLine_;

    QString value;
    if (text_[pos_] == u'"') {
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        if (close < 0) fail(QStringLiteral("a double quote opened here is never closed"));
        value = text_.mid(pos_ + 1, close - pos_ - 1);
        for (qsizetype i = pos_; i < close; ++i)
            if (text_[i] == u'\n' || (text_[i] == u'\r' && (i + 1 >= text_.size() || text_[i + 1] != u'\n')))
                ++currentLine_;
        pos_ = close + 1;
        // Anything between the closing quote and the next comma or line end is not part of the field.
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineBreak())
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineBreak())
            ++pos_;
        value = text_.mid(start, pos_ - start);
        while (!value.isEmpty() && (value.back() == u' ' || value.back() == u'\t'))
            value.chop(1);
    }
    afterComma_ = false;
    if (pos_ < text_.size()) {
        if (text_[pos_] == u',') {
            ++pos_;
            afterComma_ = true;
        } else {
            skipLineBreak();
        }
    }
    return value;
}

std::int16_t FieldReader::readInteger() {
    const QString field = readText();
    bool ok = false;
    const qlonglong value = field.trimmed().toLongLong(&ok, 10);
    if (!ok) fail(QStringLiteral("'%1' is not a whole number").arg(field.left(40)));
    if (value < -32768 || value > 32767)
        fail(QStringLiteral("the number %1 is outside the range -32768 to 32767").arg(value));
    return static_cast<std::int16_t>(value);
}
