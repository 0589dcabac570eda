"""The pick menu: its fixed entries, then the document's submenus in order,
"TopLevel" items inline, cascades (empty ones too), grayed empty items."""
from harness.e2e_case import E2ETestCase
from harness.polling import wait_until
from harness.zorvakomat import keys_to_cascade_item, keys_to_entry
from harness.zvk_file import Item, SubMenu

# Entries after the separator: First >, T1, T2, Empty >, U1, Last >
MENU_DOCUMENT = [
    SubMenu("First", [Item("A1", '["a1 "]')]),
    SubMenu("TopLevel", [Item("T1", '["t1 "]'), Item("T2", '["t2 "]')]),
    SubMenu("Empty"),
    SubMenu("TOPLEVEL", [Item("U1", '["u1 "]')]),
    SubMenu("Last", [Item("L1", '["l1 "]'), Item("L2", '["l2 "]')]),
]


class PickMenuEntries(E2ETestCase):
    def test_each_entry_picks_its_own_item(self):
        target = self.start_target()
        program = self.start_zorvakomat(self.document(MENU_DOCUMENT))
        typed = ""
        for keys, text in (
                (keys_to_cascade_item(0, 0), "a1 "),   # a cascade
                (keys_to_entry(1), "t1 "),             # TopLevel items stand inline
                (keys_to_entry(2), "t2 "),
                (keys_to_entry(4), "u1 "),             # after the empty cascade, any case
                (keys_to_cascade_item(5, 1), "l2 "),   # second item of a cascade
                (["Up", "Right"], "l1 ")):             # the last entry is that cascade
            with self.subTest(keys=keys):
                self.pick_into(program, target, keys)
                typed += text
                target.wait_for_text(typed)

    def test_fixed_entries_open_their_dialogs(self):
        program = self.start_zorvakomat()
        for mnemonic, caption in (("e", "Edit SubMenus"), ("o", "Open"), ("a", "Save As"),
                                  ("s", "Save As")):
            with self.subTest(entry=mnemonic):
                menu = program.open_pick_menu()
                program.close_menu(menu, [mnemonic])
                dialog = wait_until(lambda: program.visible_window_named(caption), timeout=10,
                                    what=f'the "{caption}" dialog')
                self.x11.focus(dialog)
                self.x11.key("Escape")
                wait_until(lambda: dialog not in program.windows(), timeout=10,
                           what=f'the "{caption}" dialog to close')

    def test_item_without_text_is_grayed_and_cannot_be_picked(self):
        document = self.document([SubMenu("TopLevel", [
            Item("Blank", ""), Item("Marker", '["marker"]')])])
        target = self.start_target()
        program = self.start_zorvakomat(document)
        # Return on the grayed entry: had it been picked, the click into the
        # target would run it, and an empty text is pasted with Ctrl+V.
        menu = program.open_pick_menu()
        program.dismiss_menu(menu, keys_to_entry(0) + ["Return"])
        target.click()
        self.pick_into(program, target, keys_to_entry(1))
        target.wait_for_text("marker")
        self.assertNotIn(0x11, target.key_downs(), "Ctrl was pressed: the grayed item ran")

    def test_reopening_the_menu_drops_a_pending_pick(self):
        document = self.document([SubMenu("TopLevel", [
            Item("Dropped", '["dropped"]'), Item("Kept", '["kept"]')])])
        target = self.start_target()
        program = self.start_zorvakomat(document)
        program.pick(keys_to_entry(0))
        menu = program.open_pick_menu()
        program.close_menu(menu, ["Escape"])
        target.click()
        self.pick_into(program, target, keys_to_entry(1))
        target.wait_for_text("kept")
