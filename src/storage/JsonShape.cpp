// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/JsonShape.h"

#include <QCoreApplication>
#include <QJsonParseError>
#include <algorithm>

namespace stratagon {

namespace {

enum class Fault { None, Syntax, Depth, LongText, AllText, Values, Containers };

// Walks the JSON grammar without keeping anything but counts. Where it
// stops on a fault, Qt has not read a byte yet.
class Scanner {
public:
    Scanner(const QByteArray& bytes, const JsonLimits& limits)
        : begin_(bytes.constData()), p_(begin_), end_(begin_ + bytes.size()), limits_(limits)
    {
    }

    Fault run()
    {
        // Qt's parser passes over a byte order mark too.
        if (end_ - p_ >= 3 && p_[0] == '\xEF' && p_[1] == '\xBB' && p_[2] == '\xBF')
            p_ += 3;
        space();
        if (!value(0))
            return fault_;
        space();
        if (p_ != end_)
            fail(Fault::Syntax);
        return fault_;
    }

    qsizetype offset() const { return p_ - begin_; }

private:
    bool fail(Fault fault)
    {
        fault_ = fault;
        return false;
    }

    void space()
    {
        while (p_ != end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\n' || *p_ == '\r'))
            ++p_;
    }

    bool value(int depth)
    {
        if (++values_ > limits_.values)
            return fail(Fault::Values);
        if (p_ == end_)
            return fail(Fault::Syntax);
        switch (*p_) {
        case '{':
        case '[':
            return container(depth + 1);
        case '"':
            return string();
        case 't':
            return word("true");
        case 'f':
            return word("false");
        case 'n':
            return word("null");
        default:
            return number();
        }
    }

    bool container(int depth)
    {
        if (depth > limits_.depth)
            return fail(Fault::Depth);
        if (++containers_ > limits_.containers)
            return fail(Fault::Containers);
        const bool object = *p_ == '{';
        const char close = object ? '}' : ']';
        ++p_;
        space();
        if (p_ != end_ && *p_ == close) {
            ++p_;
            return true;
        }
        for (;;) {
            if (object) {
                if (p_ == end_ || *p_ != '"')
                    return fail(Fault::Syntax);
                if (++values_ > limits_.values)
                    return fail(Fault::Values);
                if (!string())
                    return false;
                space();
                if (p_ == end_ || *p_ != ':')
                    return fail(Fault::Syntax);
                ++p_;
                space();
            }
            if (!value(depth))
                return false;
            space();
            if (p_ == end_)
                return fail(Fault::Syntax);
            if (*p_ == close) {
                ++p_;
                return true;
            }
            if (*p_ != ',')
                return fail(Fault::Syntax);
            ++p_;
            space();
        }
    }

    bool string()
    {
        const char* start = p_++;
        // Never further than the longest allowed.
        const char* stop = end_ - start > limits_.longestText ? start + limits_.longestText : end_;
        for (;;) {
            while (p_ < stop && *p_ != '"' && *p_ != '\\' && static_cast<unsigned char>(*p_) >= 0x20)
                ++p_;
            if (p_ >= stop && stop != end_) {
                p_ = start;
                return fail(Fault::LongText);
            }
            if (p_ >= end_ || static_cast<unsigned char>(*p_) < 0x20)
                return fail(Fault::Syntax);
            if (*p_ == '"')
                break;
            // An escape: its letter (and a \u's digits, plain bytes) follow.
            if (++p_ >= end_)
                return fail(Fault::Syntax);
            ++p_;
        }
        ++p_;
        text_ += p_ - start;
        if (text_ > limits_.allText) {
            p_ = start;
            return fail(Fault::AllText);
        }
        return true;
    }

    bool word(const char* w)
    {
        for (; *w; ++w, ++p_)
            if (p_ == end_ || *p_ != *w)
                return fail(Fault::Syntax);
        return true;
    }

    bool number()
    {
        // The characters a number is made of; Qt checks their order. No
        // number the game writes has more than 24 of them.
        const char* start = p_;
        while (p_ != end_ &&
               ((*p_ >= '0' && *p_ <= '9') || *p_ == '-' || *p_ == '+' || *p_ == '.' || *p_ == 'e' || *p_ == 'E'))
            if (++p_ - start > 64)
                return fail(Fault::Syntax);
        return p_ != start || fail(Fault::Syntax);
    }

    const char* begin_;
    const char* p_;
    const char* end_;
    const JsonLimits& limits_;
    Fault fault_ = Fault::None;
    qsizetype values_ = 0;
    qsizetype containers_ = 0;
    qsizetype text_ = 0;
};

QString syntaxFault(const QJsonParseError& error)
{
    return QCoreApplication::translate("FileErrors", "kein gültiges JSON (%1 bei Byte %2).")
        .arg(error.errorString())
        .arg(error.offset);
}

}  // namespace

JsonRead readJson(const QByteArray& bytes, const JsonLimits& limits)
{
    Scanner scanner(bytes, limits);
    const Fault fault = scanner.run();
    const qsizetype at = scanner.offset();
    JsonRead result;
    switch (fault) {
    case Fault::None: {
        QJsonParseError error;
        result.document = QJsonDocument::fromJson(bytes, &error);
        if (result.document.isNull())
            result.fault = syntaxFault(error);
        return result;
    }
    case Fault::Syntax: {
        // Qt names the fault, seeing a little past it as it would in the
        // whole file; it reads no further.
        QJsonParseError error;
        if (QJsonDocument::fromJson(bytes.left(at + 64), &error).isNull()) {
            result.fault = syntaxFault(error);
        } else {
            error.error = QJsonParseError::IllegalValue;
            error.offset = int(at);
            result.fault = syntaxFault(error);
        }
        return result;
    }
    case Fault::Depth:
        result.fault = QCoreApplication::translate(
                           "FileErrors", "Listen und Objekte stecken mehr als %1 Ebenen tief ineinander (bei Byte %2).")
                           .arg(limits.depth)
                           .arg(at);
        break;
    case Fault::LongText:
        result.fault = QCoreApplication::translate("FileErrors", "ein Text ist länger als %1 Bytes (bei Byte %2).")
                           .arg(limits.longestText)
                           .arg(at);
        break;
    case Fault::AllText:
        result.fault = QCoreApplication::translate("FileErrors", "die Texte sind zusammen länger als %1 Bytes.")
                           .arg(limits.allText);
        break;
    case Fault::Values:
        result.fault = QCoreApplication::translate(
                           "FileErrors", "die Datei enthält mehr als %1 Werte, so viele schreibt das Spiel nie.")
                           .arg(limits.values);
        break;
    case Fault::Containers:
        result.fault =
            QCoreApplication::translate("FileErrors", "die Datei enthält mehr als %1 Listen und Objekte, so viele "
                                                      "schreibt das Spiel nie.")
                .arg(limits.containers);
        break;
    }
    return result;
}

QString cutText(const QString& text, qsizetype longest)
{
    if (text.size() <= longest)
        return text;
    qsizetype keep = std::max<qsizetype>(longest, 0);
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep);
}

}  // namespace stratagon
