#pragma once
// Answers every reverse geocoding with an error until the offline place index is in.

#include "platform/Geocoder.h"

#include <QTimer>

class StandInGeocoder : public Geocoder {
public:
    using Geocoder::Geocoder;
    void reverseGeocodeLocation(const Location&, Completion completion) override
    {
        // Later on the main thread, never inside the request.
        QTimer::singleShot(0, this, [completion = std::move(completion)] {
            completion({}, GeocodeError{QStringLiteral("place index not available")});
        });
    }
};
