#ifndef EDITORPARTS_H
#define EDITORPARTS_H

class DocumentEditing;
class EditorFile;
class DocumentLoader;
class DocumentSearch;
class EditWindow;
class HistorySnapshots;
class LazyTextDocument;
class SaveSchedule;
class TypingRules;
class WholeDocument;
class WindowFormat;
class WindowMirror;
class WindowScroller;
class WriterSelection;

// The parts of one editor document. LazyTextDocument, the QML type, builds
// each part once, fills this in before any part is used and hands it to
// every part. A part keeps its own state and reaches the others only
// through their public operations; it raises the QML type's signals for
// the properties it holds.
struct EditorParts {
    LazyTextDocument* document = nullptr;
    WholeDocument* whole = nullptr;
    WriterSelection* selection = nullptr;
    EditWindow* window = nullptr;
    WindowScroller* scroller = nullptr;
    WindowMirror* mirror = nullptr;
    WindowFormat* format = nullptr;
    EditorFile* file = nullptr;
    DocumentLoader* loader = nullptr;
    SaveSchedule* saves = nullptr;
    HistorySnapshots* history = nullptr;
    DocumentSearch* search = nullptr;
    TypingRules* typing = nullptr;
    DocumentEditing* editing = nullptr;
};

#endif
