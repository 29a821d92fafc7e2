#ifndef STALLPROBE_H
#define STALLPROBE_H

#include <QObject>

#include <atomic>

class QThread;

// Measures how long the thread it is created on (the GUI thread) leaves
// events waiting: a helper thread posts a beat to it every 2 ms and takes
// the time each beat waited to be handled. A GUI thread busy for 300 ms
// makes a beat wait about that long. For benchmarks: the beats cost the
// measured thread a little CPU.
class StallProbe : public QObject
{
    Q_OBJECT
public:
    explicit StallProbe(QObject* parent = nullptr);
    ~StallProbe() override;

    // The longest wait of a beat since construction or the last reset.
    double longestMs() const;
    void reset();

private:
    void beat(qint64 sentNs);

    QThread* m_thread = nullptr;
    std::atomic<bool> m_stop { false };
    std::atomic<bool> m_pending { false };
    double m_longest = 0;
};

#endif
