#include <gtest/gtest.h>

#include "app/Websites.h"
#include "screens/ScreenStates.h"
#include "tests/support/RunningForm.h"

namespace vellumo {
namespace {

class DialogsTest : public test::RunningForm {
 protected:
  void key(std::uint32_t vk, int shift, std::uint32_t flags = 0) {
    InputEvent e;
    e.kind = InputEvent::Kind::KeyDown;
    e.vkCode = vk;
    e.shift = shift;
    e.flags = flags;
    form.handle(e);
  }
  bool shown(std::initializer_list<ElementId> ids) {
    for (ElementId id : ids)
      if (!form.elements().shown(id)) return false;
    return true;
  }
  bool hidden(std::initializer_list<ElementId> ids) {
    for (ElementId id : ids)
      if (form.elements().shown(id)) return false;
    return true;
  }
  bool paintingFrozen() {
    return !form.elements().shown(ElementId::Papir) && !form.elements().enabled(ElementId::Slika) &&
           form.elements().shown(ElementId::Slika);
  }
  bool paintingLive() {
    for (ElementId id : MainScreenControls)
      if (!form.elements().shown(id) || !form.elements().enabled(id)) return false;
    return true;
  }
  static constexpr std::initializer_list<ElementId> kExit = {ElementId::Izlaz, ElementId::Da, ElementId::Ne};
  static constexpr std::initializer_list<ElementId> kInfo = {ElementId::Registered, ElementId::visit_site,
                                                             ElementId::Firma, ElementId::Zatvori};
};

TEST_F(DialogsTest, ExitConfirmationOverThePaintingScreen) {
  key(88, kCtrlMask);
  EXPECT_TRUE(shown(kExit));
  EXPECT_TRUE(paintingFrozen());
  key(88, kCtrlMask);  // twice, or a held key: still one dialog
  click(ElementId::Ne);
  EXPECT_TRUE(hidden(kExit));
  EXPECT_TRUE(paintingLive());
}

TEST_F(DialogsTest, InfoPanelUnderTheExitConfirmation) {
  key(82, kCtrlMask);
  EXPECT_TRUE(shown(kInfo));
  key(88, kCtrlMask);
  EXPECT_TRUE(shown(kExit));
  EXPECT_EQ(form.elements().topmostShownAt(400, 300), ElementId::Izlaz) << "the exit confirmation lies on top";
  click(ElementId::Ne);
  EXPECT_TRUE(shown(kInfo));
  EXPECT_TRUE(paintingLive()) << "closing either dialog unfreezes the screen";
  click(ElementId::Zatvori);
  EXPECT_TRUE(hidden(kInfo));
}

TEST_F(DialogsTest, OverTheGalleryOnlyTheGalleryFreezes) {
  click(ElementId::MoreImages);
  key(88, kCtrlMask);  // the window holds the keys: the focused More button is hidden now
  EXPECT_TRUE(shown(kExit));
  EXPECT_FALSE(form.elements().enabled(galerija(1)));
  EXPECT_FALSE(form.elements().enabled(ElementId::Back));
  click(ElementId::Ne);
  EXPECT_EQ(form.state().ScreenMode, 1) << "the gallery stays open";
  EXPECT_TRUE(form.elements().enabled(galerija(25)));
  EXPECT_TRUE(form.elements().enabled(ElementId::Back));
}

TEST_F(DialogsTest, LinksMinimiseAndOpenTheirSitesLeavingThePanelOpen) {
  key(82, kCtrlMask);
  click(ElementId::visit_site);
  click(ElementId::Firma);
  std::vector<std::string> expected = {"minimise", "openUrl " + std::string(kProductWebsite), "minimise",
                                       "openUrl " + std::string(kMakerWebsite)};
  std::vector<std::string> calls;
  for (const std::string& c : desktop.calls)
    if (c == "minimise" || c.starts_with("openUrl")) calls.push_back(c);
  EXPECT_EQ(calls, expected);
  EXPECT_TRUE(shown(kInfo));
  EXPECT_TRUE(paintingFrozen());
}

TEST_F(DialogsTest, HoverLooksOfTheButtons) {
  key(88, kCtrlMask);
  hover(ElementId::Da);
  EXPECT_TRUE(shows(ElementId::Da, "/PICTURE/YES2.JPG"));
  move(520, 300);  // the panel's background
  EXPECT_TRUE(shows(ElementId::Da, "/PICTURE/YES1.JPG"));
  hover(ElementId::Ne);
  EXPECT_TRUE(shows(ElementId::Ne, "/PICTURE/NO2.JPG"));
  move(100, 100);  // straight off the panel: the hover look stays
  EXPECT_TRUE(shows(ElementId::Ne, "/PICTURE/NO2.JPG"));
  click(ElementId::Ne);
  key(82, kCtrlMask);
  for (auto [button, hoverImage, restImage] :
       {std::tuple{ElementId::Zatvori, "/PICTURE/CLOSE2.JPG", "/PICTURE/CLOSE1.JPG"},
        std::tuple{ElementId::visit_site, "/PICTURE/VISIT2.JPG", "/PICTURE/VISIT1.JPG"},
        std::tuple{ElementId::Firma, "/PICTURE/CTRLRORV2.JPG", "/PICTURE/CTRLRORV1.JPG"}}) {
    hover(button);
    EXPECT_TRUE(shows(button, hoverImage)) << hoverImage;
    move(330, 280);  // the info panel's background
    EXPECT_TRUE(shows(button, restImage)) << restImage;
  }
}

TEST_F(DialogsTest, ShortcutsNeedCtrlAloneAndAKeyHandler) {
  struct Case {
    std::uint32_t vk;
    int shift;
    std::uint32_t flags;
    bool opens;
    const char* what;
  } const cases[] = {
      {88, kCtrlMask, 0, true, "Ctrl+X"},
      {88, 0, 0, false, "X alone"},
      {88, kCtrlMask | kShiftMask, 0, false, "Ctrl+Shift+X"},
      {88, kCtrlMask | kAltMask, 0x20, false, "Ctrl+Alt+X is swallowed"},
      {88, kCtrlMask, 0x20, false, "anything carrying the Alt flag is swallowed"},
  };
  for (const Case& c : cases) {
    key(c.vk, c.shift, c.flags);
    EXPECT_EQ(form.elements().shown(ElementId::Izlaz), c.opens) << c.what;
    if (form.elements().shown(ElementId::Izlaz)) click(ElementId::Ne);
  }
  click(ElementId::PaletaZuta);  // a painting-screen button holds the focus
  key(82, kCtrlMask);
  EXPECT_TRUE(shown(kInfo));
  click(ElementId::Zatvori);

  click(ElementId::MoreImages);
  click(galerija(3));  // back on the painting screen...
  click(ElementId::MoreImages);
  press(form.elements().left(galerija(4)) + 5, form.elements().top(galerija(4)) + 5, kRightButton);
  release(form.elements().left(galerija(4)) + 5, form.elements().top(galerija(4)) + 5, kRightButton);
  EXPECT_EQ(form.router().focus(), galerija(4));
  key(88, kCtrlMask);
  EXPECT_FALSE(form.elements().shown(ElementId::Izlaz)) << "a thumbnail has no key handler";
}

}  // namespace
}  // namespace vellumo
