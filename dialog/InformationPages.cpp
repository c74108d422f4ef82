// The Links, About and Thanks pages: each clickable element opens one of the maker's pages.
#include "app/Program.h"
#include "dialog/TfrmConfig.h"

namespace solvane {

namespace {
void openPage(Program& program, const std::string& address) { program.platform.shell.open(address); }
}  // namespace

void TfrmConfig::Image4Click() { openPage(program_, program_.texts.pages.BoardLink[0]); }
void TfrmConfig::Image5Click() { openPage(program_, program_.texts.pages.BoardLink[1]); }
void TfrmConfig::Image3Click() { openPage(program_, program_.texts.pages.BoardLink[2]); }
void TfrmConfig::Image6Click() { openPage(program_, program_.texts.pages.BoardLink[3]); }
void TfrmConfig::Image7Click() { openPage(program_, program_.texts.pages.BoardLink[4]); }
void TfrmConfig::Image9Click() { openPage(program_, program_.texts.pages.BoardLink[5]); }
void TfrmConfig::StaticText5Click() { openPage(program_, program_.texts.pages.ProductPage); }
void TfrmConfig::Image11Click() { openPage(program_, program_.texts.pages.GratitudePage); }

}  // namespace solvane
