#include "web/page_working.h"

#include <cstdio>
#include <string>

#include "core/design/working_window_design.h"
#include "web/context_menu.h"
#include "web/page.h"

using emscripten::val;

namespace {

// After the main window's 31 and the information panel's two, in the order they stand.
constexpr int methodTabIndex = 34, textTabIndex = 35, copyTabIndex = 36, closeTabIndex = 37;
constexpr double tickHalf = 3;

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

val svg(const char* tag) {
    return page::document().call<val>("createElementNS", val("http://www.w3.org/2000/svg"),
                                      val(tag));
}

void set(val element, const char* attribute, const std::string& value) {
    element.call<void>("setAttribute", val(attribute), val(value));
}

void set(val element, const char* attribute, double value) {
    set(element, attribute, number(value));
}

val line(double x1, double y1, double x2, double y2, const char* className) {
    val element = svg("line");
    set(element, "x1", x1);
    set(element, "y1", y1);
    set(element, "x2", x2);
    set(element, "y2", y2);
    set(element, "class", className);
    return element;
}

val text(double x, double y, const std::string& content, const char* className) {
    val element = svg("text");
    set(element, "x", x);
    set(element, "y", y);
    set(element, "class", className);
    element.set("textContent", content);
    return element;
}

const char* markClass(FigureMark::Kind kind) {
    switch (kind) {
    case FigureMark::Kind::Vertex:
        return "mark vertex";
    case FigureMark::Kind::Intersection:
        return "mark intersection";
    case FigureMark::Kind::Root:
        break;
    }
    return "mark root";
}

// The label's link to the list of ways of working; one panel at a time has it.
constexpr const char* methodId = "working-method";

} // namespace

PageWorking::PageWorking(val mainWindow, std::function<void()> onClose,
                         std::function<void(WorkingMethod)> onMethodChosen)
    : m_panel(workingWindowDesign.name, "working", workingWindowDesign.caption, closeTabIndex,
              std::move(onClose)),
      m_mainWindow(std::move(mainWindow)), m_onMethodChosen(std::move(onMethodChosen)),
      m_methods(workingWindowDesign.methodName, methodId, methodTabIndex), m_copied([this](val) {
          // Emptied first, so that a second copy is heard too.
          page::setText(m_announcer, "");
          page::setText(m_announcer, workingWindowDesign.copiedAnnouncement);
      }) {
    const WorkingWindowDesign& design = workingWindowDesign;
    // The way of working, above the words it changes, named by its label.
    val methodRow = page::create("div");
    page::addClass(methodRow, "method");
    val label = page::create("label");
    label.set("htmlFor", methodId);
    page::setText(label, design.methodCaption);
    page::append(methodRow, label);
    // Each change, by the arrows too, is the user's: the page itself only ever sets the value.
    m_panel.listen(m_methods.element(), "change",
                   [this](val) { m_onMethodChosen(m_methods.chosen()); });
    page::append(methodRow, m_methods.element());
    m_panel.append(methodRow);

    val body = page::create("div");
    page::addClass(body, "body");
    // Read-only: scroll, select and copy, never change.
    m_text = page::create("textarea", design.textName);
    m_text.set("readOnly", true);
    m_text.set("tabIndex", textTabIndex);
    m_text.set("spellcheck", false);
    m_text.call<void>("setAttribute", val("aria-label"), val(design.caption));
    m_text["style"].set("width", page::px(design.textWidth));
    m_text["style"].set("height", page::px(design.textHeight));
    page::append(body, m_text);

    val picture = page::create("figure");
    m_graph = svg("svg");
    set(m_graph, "data-name", design.graphName);
    set(m_graph, "role", "img");
    page::append(picture, m_graph);
    // Why a line is missing from a graph that is drawn.
    m_note = page::create("figcaption");
    page::setHidden(m_note, true);
    page::append(picture, m_note);
    page::append(body, picture);
    m_panel.append(body);

    val buttons = page::create("div");
    page::addClass(buttons, "buttons");
    val copy = page::create("button", design.copyName);
    copy.set("type", "button");
    copy.set("tabIndex", copyTabIndex);
    page::setText(copy, design.copyCaption);
    m_panel.listen(copy, "click", [this](val) {
        copyToClipboard(m_text["value"].as<std::string>(), m_text, m_copied.function());
    });
    page::append(buttons, copy);
    m_announcer = page::create("div");
    page::addClass(m_announcer, "announcer");
    m_announcer.call<void>("setAttribute", val("role"), val("status"));
    m_announcer.call<void>("setAttribute", val("aria-live"), val("polite"));
    page::append(buttons, m_announcer);
    m_panel.append(buttons);
}

void PageWorking::show(const show::Working& working) {
    m_methods.show(working.methods, working.method);
    m_text.set("value", working.text);
    m_text.set("scrollTop", 0);
    drawGraph(*working.figure);
    // Placed once it has its size: the graph's comes with the first working.
    if (!m_placed) {
        m_panel.placeBeside(m_mainWindow, m_text);
        m_placed = true;
    }
}

void PageWorking::drawGraph(const Figure& figure) {
    m_graph.call<void>("replaceChildren");
    set(m_graph, "viewBox", "0 0 " + number(figure.width) + " " + number(figure.height));
    set(m_graph, "width", figure.width);
    set(m_graph, "height", figure.height);
    set(m_graph, "aria-label", figure.alternative);
    set(m_graph, "font-size", figure.fontSize);

    val frame = svg("rect");
    set(frame, "width", figure.width);
    set(frame, "height", figure.height);
    set(frame, "class", "plane");
    page::append(m_graph, frame);

    const bool noteBelow = figure.drawn && !figure.note.empty();
    page::setText(m_note, noteBelow ? figure.note : "");
    page::setHidden(m_note, !noteBelow);
    if (!figure.drawn) {
        val note = text(figure.width / 2, figure.height / 2, figure.note, "note");
        page::append(m_graph, note);
        return;
    }

    page::append(m_graph, line(0, figure.xAxisAt, figure.width, figure.xAxisAt, "axis"));
    page::append(m_graph, line(figure.yAxisAt, 0, figure.yAxisAt, figure.height, "axis"));
    for (const FigureTick& tick : figure.ticks) {
        const FigurePoint at = tick.at;
        page::append(m_graph, tick.onXAxis
                                  ? line(at.x, at.y - tickHalf, at.x, at.y + tickHalf, "axis")
                                  : line(at.x - tickHalf, at.y, at.x + tickHalf, at.y, "axis"));
    }
    for (const FigureCurve& curve : figure.curves) {
        std::string points;
        for (const FigurePoint& point : curve.points)
            points += number(point.x) + "," + number(point.y) + " ";
        val polyline = svg("polyline");
        set(polyline, "points", points);
        set(polyline, "class", "curve series" + std::to_string(curve.series));
        page::append(m_graph, polyline);
    }
    for (const FigureMark& mark : figure.marks) {
        val circle = svg("circle");
        set(circle, "cx", mark.at.x);
        set(circle, "cy", mark.at.y);
        set(circle, "r", Figure::markRadius);
        set(circle, "class", markClass(mark.kind));
        page::append(m_graph, circle);
    }
    for (const FigureLabel& label : figure.labels)
        page::append(m_graph, text(label.left + label.width / 2, label.top + label.height / 2,
                                   label.text, "label"));
}

void PageWorking::rehearse(val mainWindow, const show::Working& working) {
    // A sheet's room at the foot of the page belongs to a panel that is open, if any.
    val rootStyle = page::document()["documentElement"]["style"];
    val bodyStyle = page::document()["body"]["style"];
    const val scrollPadding = rootStyle["scrollPaddingBottom"];
    const val padding = bodyStyle["paddingBottom"];
    {
        PageWorking rehearsal(
            std::move(mainWindow), [] {}, [](WorkingMethod) {});
        rehearsal.m_panel.hideFromView();
        rehearsal.show(working);
    }
    rootStyle.set("scrollPaddingBottom", scrollPadding);
    bodyStyle.set("paddingBottom", padding);
}

void PageWorking::raise() {
    m_panel.raise(m_text);
}
