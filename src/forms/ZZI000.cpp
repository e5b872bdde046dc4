#include "ZZI000.h"

#include "ConnectionWatch.h"
#include "Guard.h"
#include "CodeCombo.h"
#include "InputEdits.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "StartupValues.h"
#include "StatusPanels.h"
#include "WaitCursor.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QColor ReadOnlyColour(0x80, 0x80, 0x80);

bool isReadOnlyText(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->isReadOnly();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        return memo->isReadOnly();
    if (auto *memo = qobject_cast<QTextEdit *>(control))
        return memo->isReadOnly();
    return false;
}

bool isTextInput(QWidget *control)
{
    return qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control)
        || qobject_cast<QTextEdit *>(control);
}

bool isPlainCombo(QWidget *control)
{
    return control->metaObject() == &QComboBox::staticMetaObject;
}

bool insideItemView(const QWidget *widget, const QWidget *screen)
{
    for (const QWidget *w = widget->parentWidget(); w && w != screen; w = w->parentWidget())
        if (qobject_cast<const QAbstractItemView *>(w))
            return true;
    return false;
}

} // namespace

QWidget *InputControlOf(QWidget *widget)
{
    if (!widget)
        return nullptr;
    QWidget *parent = widget->parentWidget();
    if (parent && (qobject_cast<QAbstractSpinBox *>(parent) || qobject_cast<QComboBox *>(parent)))
        return parent;
    return widget;
}

QFont ScreenFont(int pixelSize)
{
    QFont font(u"NanumGothic"_s);
    font.setPixelSize(pixelSize);
    return font;
}

QFont FixedScreenFont(int pixelSize)
{
    QFont font(u"NanumGothicCoding"_s);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    return font;
}

void SetBackground(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, colour);
    if (qobject_cast<QComboBox *>(control))
        palette.setColor(QPalette::Button, colour);
    control->setPalette(palette);
}

void ColourAlways(QWidget *control, bool focused)
{
    if (qobject_cast<QDateEdit *>(control) || qobject_cast<CodeCombo *>(control) || qobject_cast<MaskEdit *>(control))
        SetBackground(control, focused ? FocusColour() : QColor(Qt::white));
}

QColor FocusColour()
{
    return QApplication::palette().color(QPalette::ToolTipBase);
}

TfrmZZI000::TfrmZZI000(const QString &formName, const QString &caption, QWidget *parent) : QWidget(parent)
{
    setObjectName(formName);
    setWindowTitle(caption);
    setFont(ScreenFont(12));
    resize(DesignWidth, DesignHeight);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    panMain = new QWidget(this);
    panMain->setObjectName(u"panMain"_s);
    m_layout->addWidget(panMain, 1);

    panButtons = new QFrame(this);
    panButtons->setObjectName(u"panButtons"_s);
    panButtons->setFixedHeight(40);
    panButtons->setStyleSheet(u"#panButtons { border-top: 1px solid palette(mid); }"_s);
    m_buttonLayout = new QHBoxLayout(panButtons);
    m_buttonLayout->setContentsMargins(6, 7, 6, 7);
    m_buttonLayout->setSpacing(4);
    m_buttonLayout->addStretch(1);
    m_layout->addWidget(panButtons);

    bbtClose = AddButton(u"bbtClose"_s, u"종료(F12)"_s);
    OnClick(bbtClose, [this] { bbtCloseClick(); });

    stbMessage = new StatusPanels(1, this);
    stbMessage->setObjectName(u"stbMessage"_s);
    stbMessage->setPanelAlignment(0, Qt::AlignHCenter);
    stbMessage->setPanelAlignment(1, Qt::AlignLeft);
    stbMessage->setPanelAlignment(2, Qt::AlignHCenter);
    stbMessage->setPanelAlignment(3, Qt::AlignHCenter);
    m_layout->addWidget(stbMessage);

    popHotkey = new QMenu(this);
    popHotkey->setObjectName(u"popHotkey"_s);

    const StartupValues &startup = Startup();
    stbMessage->setText(0, ScreenId());
    stbMessage->setText(2, u"사용자 : "_s + startup.userName);
    static const QString roleLabels[] = {u"사업장 - "_s, u"팀 - "_s, u"영업장 - "_s};
    if (startup.roleType >= 1 && startup.roleType <= 3 && !startup.roleName.isEmpty())
        stbMessage->setText(3, roleLabels[startup.roleType - 1] + startup.roleName);
    LayoutStatusBar();

    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, &TfrmZZI000::focusMoved);
}

TfrmZZI000::~TfrmZZI000()
{
    // QWidget's destructor moves the focus, after this class is gone.
    disconnect(m_focusWatch);
}

QString TfrmZZI000::ScreenId() const
{
    return objectName().mid(3);
}

void TfrmZZI000::ShowStatus(const QString &text)
{
    stbMessage->setText(1, text);
}

QString TfrmZZI000::StatusMessage() const
{
    return stbMessage->text(1);
}

void TfrmZZI000::HostResized(int width, int height)
{
    resize(width, height);
}

void TfrmZZI000::LayoutStatusBar()
{
    const QFontMetrics metrics(font());
    for (int panel : {0, 2, 3}) {
        const QString text = stbMessage->text(panel);
        stbMessage->setPanelWidth(panel, text.isEmpty() && panel == 3 ? 0 : metrics.horizontalAdvance(text) + 20);
    }
}

bool TfrmZZI000::CommonStart(QAbstractButton *button)
{
    ShowStatus({});
    return button && button->isVisibleTo(this) && button->isEnabled();
}

bool TfrmZZI000::bbtCloseClick()
{
    if (!CommonStart(bbtClose))
        return false;
    if (IsHosted())
        emit closeRequested();
    else
        close();
    return true;
}

QAction *TfrmZZI000::AddHotkey(const QKeySequence &key, const QString &name, const std::function<void()> &handler)
{
    auto *action = new QAction(name, this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    popHotkey->addAction(action);
    addAction(action);
    connect(action, &QAction::triggered, this, [handler] { RunGuarded(handler); });
    return action;
}

QPushButton *TfrmZZI000::AddButton(const QString &name, const QString &caption, QWidget *leftOf)
{
    auto *button = new QPushButton(caption, panButtons);
    button->setObjectName(name);
    button->setFixedSize(ButtonWidth, ButtonHeight);
    button->setAutoDefault(false);
    const int at = leftOf ? m_buttonLayout->indexOf(leftOf) : m_buttonLayout->count();
    m_buttonLayout->insertWidget(at < 0 ? m_buttonLayout->count() : at, button);
    return button;
}

void TfrmZZI000::AddToButtonPanelLeft(QWidget *widget)
{
    widget->setParent(panButtons);
    m_buttonLayout->insertWidget(m_leftCount++, widget);
}

QToolButton *TfrmZZI000::AddSpeedButton(const QString &name, const QString &hint, Qt::ArrowType arrow)
{
    auto *button = new QToolButton(panButtons);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    AddToButtonPanelLeft(button);
    return button;
}

void TfrmZZI000::OnClick(QAbstractButton *button, const std::function<void()> &handler)
{
    connect(button, &QAbstractButton::clicked, this, [handler] { RunGuarded(handler); });
}

QPushButton *TfrmZZI000::CreateSearchBar()
{
    panSearch = new QFrame(this);
    panSearch->setObjectName(u"panSearch"_s);
    panSearch->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panSearch->setFixedHeight(40);
    m_layout->insertWidget(0, panSearch);
    m_searchLayout = new QHBoxLayout(panSearch);
    m_searchLayout->setContentsMargins(6, 4, 6, 4);
    m_searchLayout->setSpacing(6);
    m_searchLayout->addStretch(1);
    auto *search = new QPushButton(u"조회(F3)"_s, panSearch);
    search->setObjectName(u"bbtSearch"_s);
    search->setFixedSize(ButtonWidth, ButtonHeight);
    search->setAutoDefault(false);
    m_searchLayout->addWidget(search);
    return search;
}

void TfrmZZI000::AddToSearchBar(QWidget *widget)
{
    widget->setParent(panSearch);
    m_searchLayout->insertWidget(m_searchCount++, widget);
}

void TfrmZZI000::AddSearchFields(const QList<FieldDef> &fields)
{
    for (const FieldDef &def : fields) {
        const Field field = MakeField(def, panSearch);
        for (QWidget *part : field.parts())
            AddToSearchBar(part);
        WireLookup(field);
        m_searchFields.append(field);
    }
}

void TfrmZZI000::AddSearchFields(const QList<FieldDef> &fields, QWidget *target)
{
    auto *row = qobject_cast<QBoxLayout *>(target->layout());
    if (!row) {
        row = new QHBoxLayout(target);
        row->setContentsMargins(0, 0, 0, 0);
    }
    for (const FieldDef &def : fields) {
        const Field field = MakeField(def, target);
        for (QWidget *part : field.parts())
            row->addWidget(part);
        WireLookup(field);
        m_searchFields.append(field);
    }
}

void TfrmZZI000::BindSearchValues(SqlQuery &query)
{
    for (const Field &field : m_searchFields)
        for (const auto &[name, value] : field.binds()) {
            m_searched.insert(name.toUpper(), value);
            query.bind(name, value);
        }
}

QStringList TfrmZZI000::ContractSql() const
{
    return qryQuery.sql().isEmpty() ? QStringList() : QStringList{qryQuery.sql()};
}

QList<TfrmZZI000::ContractQuery> TfrmZZI000::ContractQueries() const
{
    // The code groups bound once, beside the screen's own query.
    QHash<QString, QString> groups;
    const QHash<QString, QString> &binds = qryQuery.binds();
    for (auto it = binds.begin(); it != binds.end(); ++it)
        if (it.key().startsWith(u"GC_"_s))
            groups.insert(it.key(), it.value());
    QList<ContractQuery> queries;
    for (const QString &sql : ContractSql())
        queries.append({sql, sql == qryQuery.sql() ? groups : QHash<QString, QString>()});
    return queries;
}

QStringList TfrmZZI000::SearchParameters() const
{
    QStringList names;
    for (const Field &field : m_searchFields)
        for (const auto &bind : field.binds())
            names.append(u"A"_s + bind.first);
    return names;
}

bool TfrmZZI000::CheckSearchFields()
{
    TReturn result;
    if (RunChecks(m_searchFields, {}, result))
        return true;
    InfoBox(result.message);
    if (result.focus)
        result.focus->setFocus();
    return false;
}

void TfrmZZI000::PassSearchValues(StoredProc &procedure) const
{
    for (auto it = m_searched.begin(); it != m_searched.end(); ++it)
        procedure.offerValue(u"A"_s + it.key(), it.value());
}

void TfrmZZI000::Calls(const StoredProc &procedure, std::function<QStringList()> offered)
{
    m_procedures.append({&procedure, std::move(offered)});
}

QList<TfrmZZI000::ProcedureUse> TfrmZZI000::ContractProcedures() const
{
    QList<ProcedureUse> uses;
    for (const auto &[procedure, offered] : m_procedures)
        if (!procedure->name().isEmpty())
            uses.append({.procedure = procedure,
                         .named = procedure->named(),
                         .offered = offered ? offered() : QStringList(),
                         .leftOut = procedure->leftOut()});
    return uses;
}

QList<Field> TfrmZZI000::PlaceFields(const QList<FieldDef> &fields, QWidget *target)
{
    QFormLayout *form = qobject_cast<QFormLayout *>(target->layout());
    if (!form) {
        form = new QFormLayout;
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (auto *box = qobject_cast<QBoxLayout *>(target->layout()))
            box->addLayout(form);
        else
            target->setLayout(form);
    }
    QList<Field> placed;
    QHBoxLayout *line = nullptr;
    for (const FieldDef &def : fields) {
        const Field field = MakeField(def, target);
        QWidget *const parts[] = {field.control, field.button};
        if (def.sameLine && line) {
            // Before the line's closing stretch, beside the previous field.
            if (field.label)
                line->insertWidget(line->count() - 1, field.label);
            for (QWidget *w : parts)
                if (w)
                    line->insertWidget(line->count() - 1, w);
        } else {
            line = new QHBoxLayout;
            for (QWidget *w : parts)
                if (w)
                    line->addWidget(w);
            line->addStretch();
            if (field.label)
                form->addRow(field.label, line);
            else
                form->addRow(QString(), line);
        }
        WireLookup(field);
        placed.append(field);
    }
    return placed;
}

void TfrmZZI000::WireLookup(const Field &field)
{
    if (!field.def.lookup)
        return;
    if (field.button)
        OnClick(field.button, field.def.lookup);
    m_lookups.insert(field.control, field.def.lookup);
    field.control->installEventFilter(this);
}

bool TfrmZZI000::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        if (const auto lookup = m_lookups.value(watched)) {
            RunGuarded(lookup);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget *TfrmZZI000::NextInTabOrder(QWidget *from) const
{
    auto *self = const_cast<TfrmZZI000 *>(this);
    const auto takesFocus = [self](QWidget *control) {
        return (control->focusPolicy() & Qt::TabFocus) && control->isEnabled() && control->isVisibleTo(self);
    };
    if (!from && m_firstInOrder) {
        // The ring of the focus chain may pass the screen itself anywhere:
        // the top is where the arranged order starts.
        if (takesFocus(m_firstInOrder))
            return m_firstInOrder;
        from = m_firstInOrder;
    }
    QWidget *start = from ? from : self;
    QWidget *origin = from ? InputControlOf(from) : nullptr;
    QWidget *w = start;
    // The chain is a ring; the bound only guards against a broken one.
    for (int guard = 0; guard < 100000; ++guard) {
        w = w->nextInFocusChain();
        if (!w || w == start)
            return nullptr;
        if (!isAncestorOf(w) || insideItemView(w, this))
            continue;
        QWidget *control = InputControlOf(w);
        if (control == origin)
            continue;
        if (takesFocus(control))
            return control;
    }
    return nullptr;
}

bool TfrmZZI000::FocusFirstIn(QWidget *area)
{
    QWidget *w = NextInTabOrder(nullptr);
    QWidget *first = w;
    while (w) {
        if (area->isAncestorOf(w)) {
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
        w = NextInTabOrder(w);
        if (w == first)
            break;
    }
    return false;
}

void TfrmZZI000::FocusFirst()
{
    if (QWidget *first = NextInTabOrder(nullptr))
        first->setFocus(Qt::TabFocusReason);
}

void TfrmZZI000::RestoreFocus()
{
    if (m_lastFocus && m_lastFocus->isVisibleTo(this) && m_lastFocus->isEnabled())
        m_lastFocus->setFocus(Qt::OtherFocusReason);
    else
        FocusFirst();
}

void TfrmZZI000::ArrangeTabOrder()
{
    // Search bar first with its Search button last, then the working area,
    // then the button panel; each keeps the order its controls were made in.
    QList<QWidget *> groups[4];
    QWidget *w = this;
    for (int guard = 0; guard < 100000; ++guard) {
        w = w->nextInFocusChain();
        if (!w || w == this)
            break;
        if (!isAncestorOf(w) || insideItemView(w, this) || InputControlOf(w) != w
            || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        const int group = panSearch && panSearch->isAncestorOf(w) ? 0
                          : panMain->isAncestorOf(w)              ? 1
                          : panButtons->isAncestorOf(w)           ? 2
                                                                  : 3;
        groups[group].append(w);
    }
    if (panSearch) {
        if (auto *search = panSearch->findChild<QWidget *>(u"bbtSearch"_s); search && groups[0].removeOne(search))
            groups[0].append(search);
    }
    const QList<QWidget *> order = groups[0] + groups[1] + groups[2] + groups[3];
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
    m_firstInOrder = order.value(0);
}

bool TfrmZZI000::HandleEnterKey(QKeyEvent *event, QAbstractButton *searchButton, const std::function<void()> &search)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    QWidget *from = InputControlOf(QApplication::focusWidget());
    const bool navigates = qobject_cast<QLineEdit *>(from) || qobject_cast<QComboBox *>(from)
                           || qobject_cast<QAbstractSpinBox *>(from) || qobject_cast<QCheckBox *>(from)
                           || qobject_cast<QRadioButton *>(from);
    if (!enter || !plain || !from || !isAncestorOf(from) || !navigates)
        return false;
    event->accept();
    QWidget *next = NextInTabOrder(from);
    if (!next)
        return true;
    next->setFocus(Qt::TabFocusReason);
    if (next == searchButton)
        RunGuarded(search);
    return true;
}

void TfrmZZI000::FormReady()
{
    ArrangeTabOrder();
    LayoutStatusBar();
    FocusFirst();
}

void TfrmZZI000::CloseQueries()
{
    qryQuery.close();
}

void TfrmZZI000::closeEvent(QCloseEvent *event)
{
    CloseQueries();
    event->accept();
}

void TfrmZZI000::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && button && isAncestorOf(button)
        && button->isEnabled()) {
        event->accept();
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmZZI000::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutStatusBar();
}

void TfrmZZI000::showEvent(QShowEvent *event)
{
    if (!m_ready) {
        m_ready = true;
        FormReady();
    }
    QWidget::showEvent(event);
}

void TfrmZZI000::focusMoved(QWidget *old, QWidget *now)
{
    if (now && isVisible() && isAncestorOf(now))
        m_lastFocus = now;
    QWidget *left = InputControlOf(old);
    QWidget *entered = InputControlOf(now);
    if (left == entered)
        return;
    // Screens read the server when a field is left (names of codes, addresses).
    if (left && isAncestorOf(left) && !insideItemView(left, this))
        RunGuarded([&] { edtExit(left); });
    if (entered && isAncestorOf(entered) && !insideItemView(entered, this))
        RunGuarded([&] { edtEnter(entered); });
}

ServerWait::ServerWait(TfrmZZI000 *screen) : m_screen(screen), m_before(screen->StatusMessage())
{
    m_screen->ShowStatus(ServerText::Waiting);
}

ServerWait::~ServerWait()
{
    if (m_screen->StatusMessage() == ServerText::Waiting)
        m_screen->ShowStatus(m_before);
}

void TfrmZZI000::edtEnter(QWidget *control)
{
    if (isReadOnlyText(control))
        SetBackground(control, ReadOnlyColour);
    else if (isTextInput(control) || isPlainCombo(control))
        SetBackground(control, FocusColour());
}

void TfrmZZI000::edtExit(QWidget *control)
{
    if (isReadOnlyText(control))
        SetBackground(control, ReadOnlyColour);
    else if (isTextInput(control) || isPlainCombo(control))
        SetBackground(control, Qt::white);
}
