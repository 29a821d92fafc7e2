#ifndef SAVESCHEDULE_H
#define SAVESCHEDULE_H

#include "TovaUi/textarea/editorparts.h"

#include <QObject>

class QTimer;

// When the document is saved without the writer waiting for it: each save
// is handed to the writer thread (EditorFile::saveInBackground), and only
// a modified document is written. The saves, and no others:
// - every Enter, handed over on the event loop's next turn, so that the
//   window answers the key first (a wait for the saves, and the end of the
//   document, hand it over at once);
// - the start of every jump (a search is one);
// - before typesetting, and after a replace-all;
// - 3 s after the text became or stopped being different from the file,
//   and 3 s after a save that found edits made after its text was handed
//   over (the timer, "saveTimer"); it asks through sendSave(), which the
//   page watches;
// - whenever the page asks through sendSave().
// The saves that the writer waits for (closing a tab, save all, the save
// button, save-as) are EditorFile's.
class SaveSchedule : public QObject
{
    Q_OBJECT
public:
    SaveSchedule(const EditorParts& parts, QObject* parent);

    void enterCompleted();
    void handOverEnterSave();
    bool isEnterSavePending() const { return m_enterSavePending; }
    void jumpStarting();
    void beforeTypesetting();
    void afterReplaceAll();
    void savedBehindEdits();

private:
    void save();

    const EditorParts& m_parts;
    QTimer* m_timer = nullptr;
    bool m_enterSavePending = false;
};

#endif
