#pragma once
// The program object: owns the four screens and the services they share, counts loaded screens and
// announces the end of the program when the last one closes.
#include "app/services.h"
#include "toolkit/screen.h"
#include <functional>
#include <memory>

class Form1;
class Form2;
class Rensyu;
class Cright;

class Program : public toolkit::ScreenHost {
public:
    Program(Services services, toolkit::ErrorReporter& errors);
    ~Program() override;

    // Creates the main screen (hidden); its load step shows the opening screen.
    void start();

    Form1& form1() { return *form1_; }
    Form2& form2() { return *form2_; }
    Rensyu& rensyu() { return *rensyu_; }
    Cright& cright() { return *cright_; }
    const Services& services() const { return services_; }

    int loadedScreens() const { return loaded_; }
    // Called when no screen is loaded any more: the program ends.
    std::function<void()> onLastScreenClosed;

    void screenLoaded() override { ++loaded_; }
    void screenUnloaded() override;
    toolkit::Guard& guard() override { return guard_; }

private:
    Services services_;
    toolkit::Guard guard_;
    int loaded_ = 0;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Rensyu> rensyu_;
    std::unique_ptr<Cright> cright_;
};
