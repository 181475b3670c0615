#pragma once

#include "core/Observer.h"

#include <array>

class LeverPositionSubject;

// Adapter of the lever subject with cached positions of levers 0 to 7.
class LeverPositionObserver : public Observer {
public:
    explicit LeverPositionObserver(LeverPositionSubject* s);
    virtual ~LeverPositionObserver();

    // Reads and delivers every lever.
    void attach() override;
    void detach() override;
    void update() override;

    virtual void leverPositionChanged(unsigned char lever, int position);

private:
    std::array<int, 8> positions {};
};
