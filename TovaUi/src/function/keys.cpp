#include "keys.h"

#include "function/keymodel.h"
#include "function/keysfilemodel.h"
#include "support/log.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeySequence>

namespace {
const QString keysFolder = QStringLiteral(":/source/keys");

// Reads a scheme's "keys" array; false when the file does not parse (an
// unreadable file parses as empty and fails too).
bool readScheme(const QString& fileName, QJsonArray* entries)
{
    QFile file(fileName);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        logWarning(lcUi) << "json error!";
        return false;
    }
    const QJsonValue value = document.object().value(QStringLiteral("keys"));
    *entries = value.isArray() ? value.toArray() : QJsonArray();
    return true;
}

// One scheme entry: an object whose first member binds a function name to a
// key sequence. Entries of any other shape are skipped.
bool readEntry(const QJsonValue& entry, QString* name, QString* sequence)
{
    const QJsonObject object = entry.toObject();
    if (object.isEmpty())
        return false;
    *name = object.constBegin().key();
    *sequence = object.constBegin().value().toString();
    return true;
}

void appendKeyRow(QStandardItemModel* model, const QString& name, const QString& sequence, const QString& value)
{
    auto* item = new QStandardItem(name);
    item->setData(name, KeyModel::NameRole);
    item->setData(sequence, KeyModel::KeyRole);
    item->setData(value, KeyModel::ValueRole);
    model->appendRow(item);
}

// Reads the text in the platform's native form and writes it in the portable
// form; on this platform that only normalises the capitals of the names.
QString convertSequence(const QString& text)
{
    return QKeySequence::fromString(text, QKeySequence::NativeText).toString(QKeySequence::PortableText);
}
} // namespace

keys::keys(QObject* parent)
    : QObject(parent)
    , m_fileModel(new KeysFileModel(this))
    , m_keysModel(new KeyModel(this))
{
    QDirIterator it(keysFolder, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString file = it.fileName();
        if (!file.endsWith(QLatin1String(".json")))
            continue;
        const QString name = QFileInfo(file).completeBaseName();
        auto* item = new QStandardItem(name);
        item->setData(name, KeysFileModel::NameRole);
        item->setData(file, KeysFileModel::FileRole);
        m_fileModel->appendRow(item);
    }
    if (m_currentName.isEmpty())
        setCurrentName(QStringLiteral("default"));
    loadKeys();
}

void keys::setFileModel(QStandardItemModel* model)
{
    if (m_fileModel == model)
        return;
    m_fileModel = model;
    emit fileModelChanged();
}

void keys::setKeysModel(QStandardItemModel* model)
{
    if (m_keysModel == model)
        return;
    m_keysModel = model;
    emit keysModelChanged();
}

void keys::setMessage(const QString& value)
{
    if (m_message == value)
        return;
    m_message = value;
    emit messageChanged();
}

void keys::setCurrentName(const QString& name)
{
    if (m_currentName == name)
        return;
    m_currentName = name;
    if (m_fileModel) {
        for (int row = 0; row < m_fileModel->rowCount(); ++row) {
            if (m_fileModel->item(row)->data(KeysFileModel::NameRole).toString() == name) {
                setCurrentIndex(row);
                break;
            }
        }
    }
    emit currentNameChanged();
}

void keys::setCurrentIndex(int index)
{
    if (m_currentIndex == index)
        return;
    m_currentIndex = index;
    if (m_fileModel && index >= 0 && index < m_fileModel->rowCount()) {
        m_currentName = m_fileModel->item(index)->data(KeysFileModel::NameRole).toString();
        loadKeys();
    }
    emit currentIndexChanged();
}

void keys::loadKeys()
{
    m_defaultKeys.clear();
    if (m_keysModel)
        m_keysModel->removeRows(0, m_keysModel->rowCount());

    QJsonArray entries;
    if (!readScheme(keysFolder + QStringLiteral("/default.json"), &entries))
        return;
    QString name;
    QString sequence;
    for (const QJsonValue& entry : qAsConst(entries)) {
        if (!readEntry(entry, &name, &sequence))
            continue;
        m_defaultKeys.insert(name, sequence);
        if (!sequence.isEmpty() && m_keysModel)
            appendKeyRow(m_keysModel, name, sequence, macKeyDisplay(sequence));
    }

    m_currentKeys.clear();
    if (m_currentName == QLatin1String("default")) {
        m_currentKeys = m_defaultKeys;
    } else {
        if (!readScheme(keysFolder + QLatin1Char('/') + m_currentName + QStringLiteral(".json"), &entries))
            return;
        for (const QJsonValue& entry : qAsConst(entries)) {
            if (!readEntry(entry, &name, &sequence))
                continue;
            m_currentKeys.insert(name, sequence);
            if (!m_keysModel)
                continue;
            const QList<QStandardItem*> found = m_keysModel->findItems(name, Qt::MatchExactly);
            if (!found.isEmpty()) {
                QStandardItem* item = found.first();
                item->setData(sequence, KeyModel::KeyRole);
                item->setData(name, KeyModel::NameRole);
                item->setData(macKeyDisplay(sequence), KeyModel::ValueRole);
            } else if (!sequence.isEmpty()) {
                appendKeyRow(m_keysModel, name, sequence, macKeyDisplay(sequence));
            }
        }
    }
    emit messageChanged();
}

QString keys::getKey(const QString& functionName) const
{
    const auto current = m_currentKeys.constFind(functionName);
    if (current != m_currentKeys.constEnd())
        return convertSequence(current.value());
    return convertSequence(m_defaultKeys.value(functionName));
}

QString keys::display(const QString& functionName) const
{
    const QString key = getKey(functionName);
    const QString shown = convertSequence(key);
    return shown.isEmpty() ? key : shown;
}

QString keys::macKeyDisplay(const QString& key) const
{
    return convertSequence(key);
}

QString keys::windowsKeyDisplay(const QString& key) const
{
    return convertSequence(key);
}
