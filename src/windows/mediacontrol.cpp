#include "mediacontrol.h"

#include "fluidmediacontrol.h"

MediaError::MediaError(const QString &what)
    : std::runtime_error(what.toStdString())
{
}

namespace {

MediaControl::Factory &currentFactory()
{
    static MediaControl::Factory factory;
    return factory;
}

} // namespace

std::unique_ptr<MediaControl> MediaControl::create()
{
    if (const Factory &factory = currentFactory()) {
        if (std::unique_ptr<MediaControl> control = factory())
            return control;
    }
    return std::make_unique<FluidMediaControl>();
}

void MediaControl::setFactory(Factory factory)
{
    currentFactory() = std::move(factory);
}
