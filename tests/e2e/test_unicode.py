"""Every script in a document: a file named in Chinese opened from the
command line, a submenu, an item and its text in several scripts with an
emoji, typed and pasted into a Unicode edit box as written; Edit SubMenus
shows them and OK keeps them, as the saved file's wide strings show; such
names are handed over by a later start and kept among the recent files."""
from harness.e2e_case import E2ETestCase, Item, SubMenu, document_bytes, read
from harness.polling import wait_until
from harness.wine import windows_path
from harness.zorvakomat import entry
from test_documents import EditSubMenusDialog

TEXT = "Zo\u00eb \u4e2d\u6587 \u0416 \U0001F642"
RECENT = r"HKEY_CURRENT_USER\Software\Zorvak\Zorvakomat\Recent File List"
DOCUMENT = [SubMenu(TEXT, [Item(TEXT, f'["{TEXT}"]'), Item("Pasted", TEXT)])]


class Unicode(E2ETestCase):
    def test_every_character_is_shown_typed_pasted_and_kept(self):
        target = self.start_target(wide=True)
        path = self.document(DOCUMENT, "Zo\u00eb \u4e2d\u6587.zvk")
        program = self.zorvakomat().start(path)
        program.wait_hidden()
        program.wait_caption(path)

        program.menu(*entry(0, 0), into=target)
        target.wait_for_text(TEXT)
        program.menu(*entry(0, 1), into=target)
        target.wait_for_text(TEXT * 2)

        # The dialog opens on the first submenu and item: each box, copied,
        # holds what the document does.
        dialog = EditSubMenusDialog(program)
        for box, expected in (("submenu_name", TEXT), ("item_name", TEXT), ("item_text", f'["{TEXT}"]')):
            self.x11.set_clipboard("-")
            dialog.click(box)
            self.x11.key("ctrl+End", "ctrl+shift+Home", "ctrl+c")
            wait_until(self.x11.clipboard, lambda text: text == expected, what=f"the {box} box's text")
        dialog.close_with("ok")

        # Saved over a file of other names, it holds them all again.
        with open(path, "wb") as file:
            file.write(document_bytes([SubMenu("other")]))
        program.menu("s")
        wait_until(lambda: read(path), lambda data: data == document_bytes(DOCUMENT),
                   what="the saved document to hold every character")

        # A later start hands such a name over (opened as by the tray's Open,
        # which leaves the recent files as they are); at its end the program
        # keeps the name it was started with among the recent files.
        second = self.document([SubMenu("other")], "\u0416 \U0001F642.zvk")
        later = self.zorvakomat().launch(second, cwd=self.scratch)
        self.assertEqual(wait_until(later.process.poll, lambda code: code is not None, timeout=30,
                                    what="the later start to end"), 0)
        program.wait_caption(second)
        program.menu("x")
        self.assertEqual(program.wait_ended(), 0)
        recent = self.registry.read(RECENT)[RECENT.lower()]
        self.assertEqual(recent.get("file1"), windows_path(path))
