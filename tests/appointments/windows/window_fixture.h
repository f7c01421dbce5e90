#pragma once
// What the appointment window tests share: a fake environment on a fixed today (10/03/2026),
// an alarm file beside the program, appointments written as the card editor writes them, and
// a way to look into the per-use window a click opens.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <functional>

#include "fakes.h"
#include "window_helpers.h"
#include "tests/appointments/fixture.h"

namespace custovia::test {

class AppointmentWindows : public ::testing::Test {
protected:
    AppointmentWindows() {
        fake.clock.set({2026, 3, 10, 8, 30, 15});
        writeBytes(fake.folder() / kAlarmSoundFile, "ID3 alarm");
    }

    void store(std::initializer_list<Appointment> cards) {
        Archive file(fake.folder() / kAppointmentsFile, appointmentLayout());
        for (const Appointment& a : cards) file.append(appointmentRecord(a));
    }

    // Clicks the button, which opens a modal window, and hands that window to look().
    static void openFrom(QAbstractButton* button, const std::function<void(QDialog*)>& look) {
        openModalFrom(button, look);
    }

    FakeEnvironment fake;
};

}  // namespace custovia::test
