#pragma once
// The program object: builds the four screens, hands them the services and one another, counts loaded
// screens and announces the end of the program when the last one closes.
#include "screens/chart/form2.h"
#include "screens/main/form1.h"
#include "screens/opening/cright.h"
#include "screens/peers.h"
#include "screens/practice/rensyu.h"
#include <functional>
#include <memory>

class Program : public ScreenPeers {
public:
    Program(Services services, toolkit::ErrorReporter& errors);
    ~Program() override;

    // Creates the main screen (hidden); its load step shows the opening screen.
    void start();

    Form1& form1() override { return *form1_; }
    Form2& form2() override { return *form2_; }
    Rensyu& rensyu() override { return *rensyu_; }
    Cright& cright() override { return *cright_; }
    const Services& services() const override { return services_; }
    void setChartMenuCaption(const QString& caption) override { form1_->setChartMenuCaption(caption); }

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
