#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

// The frames of one transfer as they went over the line: time, payload bytes (without
// flags, escapes and checksum) and what they mean. Password bytes of the web and e-mail
// table are hidden before they are kept, in the bytes and in the meaning alike, so a
// saved trace never holds a password.
class LinkTrace {
    Q_DECLARE_TR_FUNCTIONS(LinkTrace)

public:
    enum class Direction { Sent, Received, Problem };

    struct Entry {
        QDateTime time;
        qint64 elapsedMs = 0; // since start()
        Direction direction = Direction::Sent;
        QByteArray bytes;  // hidden bytes are zero here
        QByteArray hidden; // one byte per byte of `bytes`: non-zero where hidden
        QString meaning;
    };

    void start(const QString &transfer);
    void sent(const QByteArray &request);
    void received(const QByteArray &answer);
    void problem(const QString &what);

    QString transfer() const { return title; }
    const QList<Entry> &entries() const { return list; }
    // "7e 00 ** **", hidden bytes as "**".
    static QString hex(const Entry &entry);
    // A heading line, then one tab-separated line per entry: time, +ms, direction, hex,
    // meaning.
    QString toText() const;

    // Pure rules, also used on their own: which bytes of a request or of its answer hold
    // a password, and what a request or an answer means.
    static QByteArray hiddenInRequest(const QByteArray &request);
    static QByteArray hiddenInAnswer(const QByteArray &request, const QByteArray &answer);
    static QString requestMeaning(const QByteArray &request);
    static QString answerMeaning(const QByteArray &request, const QByteArray &answer);

private:
    void add(Direction direction, const QByteArray &bytes, const QByteArray &hidden,
             const QString &meaning);

    QString title;
    QDateTime started;
    QList<Entry> list;
    QByteArray lastRequest; // hidden bytes already zeroed
};
