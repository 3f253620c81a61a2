#include "ui/gtk/control_factory.h"

#include "core/gbk_convert.h"
#include "ui/gtk/date_box.h"
#include "ui/gtk/fonts.h"
#include "ui/gtk/jpeg_picture.h"
#include "ui/gtk/label_widget.h"
#include "ui/gtk/picture_box.h"
#include "ui/gtk/styles.h"

#include <gtkmm/button.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/entry.h>
#include <gtkmm/eventbox.h>
#include <gtkmm/label.h>

namespace tv::ui::gtk {
namespace {

// Per-control colours and fonts outrank the screen-wide sheets.
constexpr int kControlStylePriority = GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 10;

void style_as_control(Gtk::Widget &widget, int frame) {
    auto context = widget.get_style_context();
    context->add_class(std::string(kControlClass));
    context->add_class(frame_class(frame));
}

void add_control_sheet(Gtk::Widget &widget, const ControlDef &def) {
    auto provider = Gtk::CssProvider::create();
    try {
        provider->load_from_data(control_css(def));
        widget.get_style_context()->add_provider(provider, kControlStylePriority);
    } catch (const Glib::Error &) {
        // An unusable sheet leaves the control in the default look.
    }
}

// A caption wider than its button breaks into lines rather than being cut off.
void wrap_caption(Gtk::Button &button) {
    if (auto *label = dynamic_cast<Gtk::Label *>(button.get_child())) {
        label->set_line_wrap(true);
        label->set_line_wrap_mode(Pango::WRAP_WORD_CHAR);
        label->set_justify(Gtk::JUSTIFY_CENTER);
        label->set_max_width_chars(1);
    }
}

float x_alignment(HAlign a) {
    return a == HAlign::Center ? 0.5f : a == HAlign::Right ? 1.0f : 0.0f;
}

LabelLook label_look(const ControlDef &def, const ControlResources &resources) {
    LabelLook look;
    look.transparent = def.kind == ControlKind::TransparentLabel;
    look.frame = def.frame;
    look.effect = def.effect;
    look.text_color = def.text_color.value_or(Color{0, 0, 0});
    look.back_color = def.back_color;
    look.gradient = def.gradient;
    if (!def.picture.empty() && !look.transparent)
        look.picture = load_jpeg(resources.assets_dir / def.picture);
    look.h_align = def.h_align;
    look.v_align = def.v_align;
    look.word_wrap = def.word_wrap;
    look.font = font_description(def.font, resources.default_font);
    return look;
}

template <typename W> W *put_in_slot(Control &control, W *widget) {
    widget->show();
    control.slot->add(*widget);
    return widget;
}

} // namespace

bool drags_window(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::PictureBox;
}

std::unique_ptr<Control> build_control(const ControlDef &def, const ControlResources &resources,
                                       std::function<void()> on_tick) {
    auto control = std::make_unique<Control>();
    control->def = &def;
    control->text = gbk_from_utf8(def.caption);
    control->visible = def.visible;
    control->width = def.width;
    control->height = def.height;
    control->date = resources.now;

    const auto new_slot = [&] {
        control->slot = Gtk::manage(new Gtk::EventBox);
        control->slot->set_visible_window(true);
        control->slot->set_visible(def.visible);
    };
    const std::string caption(def.caption);
    switch (def.kind) {
    case ControlKind::Label:
    case ControlKind::TransparentLabel:
        new_slot();
        control->label = put_in_slot(*control, Gtk::manage(new LabelWidget(label_look(def, resources))));
        control->label->set_caption(caption);
        break;
    case ControlKind::Button:
        new_slot();
        control->button = put_in_slot(*control, Gtk::manage(new Gtk::Button(caption)));
        control->button->set_use_underline(false);
        wrap_caption(*control->button);
        style_as_control(*control->button, 0);
        break;
    case ControlKind::EditBox:
        new_slot();
        control->entry = put_in_slot(*control, Gtk::manage(new Gtk::Entry));
        control->entry->set_text(caption);
        control->entry->set_alignment(x_alignment(def.h_align));
        control->entry->set_width_chars(1);
        style_as_control(*control->entry, def.frame);
        add_control_sheet(*control->entry, def);
        break;
    case ControlKind::DateBox:
        new_slot();
        control->date_box = put_in_slot(*control, Gtk::manage(new DateBox(resources.now)));
        style_as_control(control->date_box->field(), def.frame);
        add_control_sheet(control->date_box->field(), def);
        break;
    case ControlKind::PictureBox:
        new_slot();
        control->picture =
            put_in_slot(*control, Gtk::manage(new PictureBox(def.picture.empty() ? std::filesystem::path()
                                                                                 : resources.assets_dir / def.picture,
                                                             def.frame)));
        break;
    case ControlKind::Browser:
        new_slot();
        control->browser = std::make_unique<BrowserView>(def.browser_text_size, def.browser_silent);
        put_in_slot(*control, &control->browser->widget());
        // An empty browser is a white page: it covers what lies beneath even before it has
        // loaded anything, or where the page has not been drawn yet.
        control->slot->signal_draw().connect(
            [](const Cairo::RefPtr<Cairo::Context> &cr) {
                cr->set_source_rgb(1, 1, 1);
                cr->paint();
                return false;
            },
            false);
        break;
    case ControlKind::Timer:
        control->timer = std::make_unique<ControlTimer>(std::move(on_tick));
        control->timer->set_period(def.timer_period_ms);
        break;
    case ControlKind::BalloonTips:
    case ControlKind::MenuStyler:
        break;
    }
    if (control->slot != nullptr) {
        if (auto cursor = resources.pointers.cursor(def.pointer)) {
            control->slot->signal_realize().connect(
                [slot = control->slot, cursor] { slot->get_window()->set_cursor(cursor); });
        }
    }
    return control;
}

} // namespace tv::ui::gtk
