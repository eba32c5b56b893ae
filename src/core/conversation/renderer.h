#pragma once

#include "core/conversation/reply.h"

// What a front-end does with each thing a reply shows. The plain model is one too, so that the
// tests see the window exactly as the front-ends are told to draw it.
class Renderer {
public:
    virtual ~Renderer() = default;

    virtual void render(const show::Text& text) = 0;
    virtual void render(const show::TextVisible& visible) = 0;
    virtual void render(const show::Caption& caption) = 0;
    virtual void render(const show::LabelVisible& visible) = 0;
    virtual void render(const show::CommandEnabled& enabled) = 0;
    virtual void render(const show::Box& box) = 0;
    virtual void render(const show::Focus& focus) = 0;
    virtual void render(const show::Announcement& announcement) = 0;
    virtual void render(const show::Window& window) = 0;
    virtual void render(const show::InfoWindow& info) = 0;
    virtual void render(const show::InfoWindowBack& back) = 0;
    virtual void render(const show::Working& working) = 0;
    virtual void render(const show::WorkingItem& item) = 0;
    virtual void render(const show::End& end) = 0;
};

// Each effect in its order.
inline void render(const Reply& reply, Renderer& renderer) {
    for (const Effect& effect : reply)
        std::visit([&renderer](const auto& shown) { renderer.render(shown); }, effect);
}
