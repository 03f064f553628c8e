#include "app/program.h"

Program::Program(Services services, toolkit::ErrorReporter& errors)
    : services_(std::move(services)), guard_(errors), form1_(std::make_unique<Form1>(*this)),
      form2_(std::make_unique<Form2>(*this)), rensyu_(std::make_unique<Rensyu>(*this)),
      cright_(std::make_unique<Cright>(*this)) {}

Program::~Program() {
    // Windows go before the screens that own their handlers.
    onLastScreenClosed = nullptr;
    cright_->close();
    rensyu_->close();
    form2_->close();
    form1_->close();
}

void Program::start() {
    guard_.run([this] { form1_->load(); });
}

void Program::screenUnloaded() {
    if (--loaded_ == 0 && onLastScreenClosed) onLastScreenClosed();
}
