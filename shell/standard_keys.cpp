#include "shell/standard_keys.h"

namespace finplan {

namespace {

QKeySequence::StandardKey qtKey(StandardKey key) {
    switch (key) {
    case StandardKey::New:
        return QKeySequence::New;
    case StandardKey::Open:
        return QKeySequence::Open;
    case StandardKey::Save:
        return QKeySequence::Save;
    case StandardKey::SaveAs:
        return QKeySequence::SaveAs;
    case StandardKey::Print:
        return QKeySequence::Print;
    case StandardKey::Quit:
        return QKeySequence::Quit;
    case StandardKey::Undo:
        return QKeySequence::Undo;
    case StandardKey::Redo:
        return QKeySequence::Redo;
    case StandardKey::HelpContents:
        return QKeySequence::HelpContents;
    case StandardKey::NextFolder:
        return QKeySequence::NextChild;
    case StandardKey::PreviousFolder:
        return QKeySequence::PreviousChild;
    }
    return QKeySequence::UnknownKey;
}

} // namespace

QList<QKeySequence> keySequencesOf(StandardKey key) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(qtKey(key));
    if (keys.isEmpty()) keys << QKeySequence(QString::fromLatin1(fallbackKey(key)));
    return keys;
}

QString shownKey(StandardKey key) {
    return keySequencesOf(key).first().toString(QKeySequence::NativeText);
}

} // namespace finplan
