#include "qialertview.h"

#include "function/qisystemdispatcher.h"

#include <QPushButton>
#include <QMessageBox>

QIAlertView::QIAlertView(QQuickItem* parent)
    : QQuickItem(parent)
    , m_buttons { tr("OK"), tr("Cancel") }
{
}

QIAlertView::~QIAlertView()
{
    if (m_box)
        m_box->reject();
}

QString QIAlertView::title() const
{
    return m_title;
}

void QIAlertView::setTitle(const QString& title)
{
    m_title = title;
    emit titleChanged();
}

void QIAlertView::setMessage(const QString& message)
{
    m_message = message;
    emit messageChanged();
}

void QIAlertView::setButtons(const QStringList& buttons)
{
    m_buttons = buttons;
    emit buttonsChanged();
}

void QIAlertView::setClickedButtonIndex(int index)
{
    m_clickedButtonIndex = index;
    emit clickedButtonIndexChanged();
}

void QIAlertView::show()
{
    if (m_running)
        return;
    auto* box = new QMessageBox();
    m_box = box;
    box->setWindowTitle(m_title);
    box->setText(m_message);
    QList<QAbstractButton*> added;
    for (const QString& text : qAsConst(m_buttons))
        added.append(box->addButton(text, QMessageBox::ActionRole));
    // With action-role buttons the box finishes with an opaque code, so the
    // index is taken from the clicked button itself.
    connect(box, &QMessageBox::finished, this, [this, box, added](int) {
        onFinished(added.indexOf(box->clickedButton()));
    });
    connect(box, &QMessageBox::finished, box, &QMessageBox::close);
    connect(box, &QMessageBox::finished, box, &QObject::deleteLater);
    box->show();
}

void QIAlertView::dismiss(int clickedButtonIndex, bool animated)
{
    QISystemDispatcher::instance()->dispatch(QStringLiteral("alertViewDismissWithClickedButtonIndex"),
        { { QStringLiteral("index"), clickedButtonIndex }, { QStringLiteral("animated"), animated } });
}

void QIAlertView::onReceived(const QString& name, const QVariantMap& data)
{
    if (name != QLatin1String("alertViewClickedButtonAtIndex"))
        return;
    disconnect(QISystemDispatcher::instance(), nullptr, this, nullptr);
    onFinished(data.value(QStringLiteral("buttonIndex")).toInt());
}

void QIAlertView::onFinished(int index)
{
    m_running = false;
    setClickedButtonIndex(index);
    emit clicked(index);
}
