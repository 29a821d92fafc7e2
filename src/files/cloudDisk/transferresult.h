#ifndef TRANSFERRESULT_H
#define TRANSFERRESULT_H

#include "function/networkdata.h"

#include <QMetaType>
#include <QObject>
#include <QString>

// The outcome of one step of a sync (the listing, an upload, a download, a
// conflict fetch) as the run reads it: what happened, the store's HTTP
// status when the store answered (0 when it did not) and the reason in words.
class TransferResult
{
public:
    enum class Kind {
        Done, // the step did what it was for
        Refused, // the store answered with an error status
        Unreachable, // no usable answer (network, time limit, unverified body, no credentials): the run ends
        LocalFailure, // a local file could not be read, written or removed
        Changed, // the local file changed while the step ran; left for the next run
        Stopped, // the run was stopped meanwhile; the answer changed nothing
    };

    Kind kind = Kind::Done;
    int httpStatus = 0;
    QString reason;

    bool ok() const { return kind == Kind::Done; }
    static TransferResult done(int httpStatus = 0) { return { Kind::Done, httpStatus, QString() }; }
    static TransferResult local(Kind kind, const QString& reason) { return { kind, 0, reason }; }
    // An answer that did not do what the step asked for: an error status is
    // the store's refusal, every other kind means the store could not be
    // heard.
    static TransferResult failed(const NetworkData& answer)
    {
        if (answer.kind == NetworkData::Kind::Answer)
            return { Kind::Refused, answer.statusCode, answer.errorString };
        return { Kind::Unreachable, 0, answer.errorString };
    }
};

Q_DECLARE_METATYPE(TransferResult)

// One-shot reply of a transfer step: finished is emitted once, then the
// reply deletes itself.
class TransferReply : public QObject
{
    Q_OBJECT

public:
    explicit TransferReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    void finish(const TransferResult& result)
    {
        emit finished(result);
        deleteLater();
    }

signals:
    void finished(TransferResult result);
};

#endif
