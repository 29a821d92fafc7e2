#ifndef ROOMREADER_H
#define ROOMREADER_H

#include "ranking/rankingxml.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent>

#include <atomic>
#include <functional>
#include <memory>

// Reads the writing rooms' documents (member records, the room, the plan,
// the catalogue) away from the GUI thread. They come from the shared
// bucket, where anyone signed in can put anything, so parsing runs on one
// reading thread of its own, a document at a time, and one refresh of a
// room has a budget of bytes and of reading time that all its documents
// share (copies of a reader share its budget). A document past the budget
// is not read and gives the default record, with a diagnostic line; a parse
// that runs out of the time left stops there and gives the default record
// too: a hostile record costs its own reading at most, never the window and
// never the rest of the room beyond the budget.
class RoomReader
{
public:
    static constexpr qint64 MaxBytes = 48LL * 1024 * 1024;
    static constexpr qint64 MaxMilliseconds = 5000;

    explicit RoomReader(qint64 maxBytes = MaxBytes, qint64 maxMilliseconds = MaxMilliseconds);

    // Runs `parse` (reading `size` bytes) on the reading thread and hands
    // its result to `done` on `context`'s thread; nothing is handed over
    // once `context` is gone.
    template <typename Record>
    void read(QObject* context, qint64 size, std::function<Record()> parse,
              std::function<void(const Record&)> done) const
    {
        auto* watcher = new QFutureWatcher<Record>(context);
        QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done]() {
            done(watcher->result());
            watcher->deleteLater();
        });
        const std::shared_ptr<Budget> budget = m_budget;
        watcher->setFuture(QtConcurrent::run(pool(), [budget, size, parse]() {
            if (!budget->take(size))
                return Record();
            QElapsedTimer timer;
            timer.start();
            const RankingXml::ParseDeadline deadline(budget->left());
            const Record record = parse();
            budget->spent(timer.elapsed());
            return record;
        }));
    }

private:
    struct Budget {
        qint64 maxBytes;
        qint64 maxMilliseconds;
        std::atomic<qint64> bytes {0};
        std::atomic<qint64> milliseconds {0};
        bool take(qint64 size);
        void spent(qint64 ms) { milliseconds += ms; }
        QDeadlineTimer left() const { return QDeadlineTimer(qMax<qint64>(0, maxMilliseconds - milliseconds)); }
    };

    static QThreadPool* pool();

    std::shared_ptr<Budget> m_budget;
};

#endif
