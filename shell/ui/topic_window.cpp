#include "shell/ui/topic_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

#include "shell/help_contexts.h"
#include "shell/ui/qt_text.h"

namespace talp {

namespace {
constexpr int kCaptionPadding = 16;  // pixels beside a navigation button's caption
}  // namespace

NavigationBar::NavigationBar(Topic owner, ShellContext& context, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Navigation"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    for (const TopicSpec& target : topicTable()) {
        if (target.id == owner) continue;
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("nav_") + qt(target.formName));
        button->setFocusPolicy(Qt::TabFocus);
        const Topic id = target.id;
        connect(button, &QPushButton::clicked, &context, [&context, id] { context.requestTopic(id); });
        buttons_[static_cast<std::size_t>(id)] = button;
        row->addWidget(button);
    }
    applyLanguage(context);
}

void NavigationBar::applyLanguage(const ShellContext& context)
{
    for (const TopicSpec& target : topicTable()) {
        if (QPushButton* b = buttons_[static_cast<std::size_t>(target.id)]) {
            b->setText(qt(target.navigationCaption, context.language()));
            // As narrow as the caption allows, so that the row of every other topic fits the
            // smallest of the windows.
            b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + kCaptionPadding);
            b->setEnabled(context.topicAvailable(target.id));
        }
    }
}

TopicWindow::TopicWindow(Topic topic, ShellContext& context, QWidget* parent)
    : QWidget(parent), topic_(topic), context_(context), navigation_(new NavigationBar(topic, context, this))
{
    setObjectName(qt(topicSpec().formName));
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WidgetWithChildrenShortcut);
    connect(help, &QShortcut::activated, this, [this] { context_.showHelp(helpContext()); });
    connect(&context, &ShellContext::languageApplied, this, &TopicWindow::applyLanguage);
    connect(&context, &ShellContext::projectReplaced, this, &TopicWindow::refreshFromModel);
    connect(&context, &ShellContext::projectChanged, this, [this](QObject* source) {
        if (source != this) refreshFromModel();
    });
}

void TopicWindow::applyLanguage()
{
    navigation_->applyLanguage(context_);
}

int TopicWindow::helpContext() const
{
    const std::string form(topicSpec().formName);
    // The focused widget may be the inner part of a control (the line edit of a spin
    // box): its nearest named ancestor on this window decides.
    for (const QWidget* w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
        if (w->objectName().isEmpty()) continue;
        if (const std::optional<int> context = controlHelpContext(form, utf8(w->objectName()))) return *context;
    }
    return topicSpec().helpContext;
}

}  // namespace talp
