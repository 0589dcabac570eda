"""What a pick types: plain texts pasted through the clipboard, tokens typed
as keys, chained items run in a row."""
from harness.e2e_case import E2ETestCase
from harness.zorvakomat import keys_to_cascade_item, keys_to_entry
from harness.zvk_file import Item, SubMenu

CTRL, V = 0x11, 0x56


class Playback(E2ETestCase):
    def clipboard_text(self):
        """The clipboard's text and whatever follows it in the block Wine
        hands over (only zero bytes may)."""
        data = self.x11.clipboard() or b""
        text, _, rest = data.partition(b"\0")
        return text, rest

    def test_plain_text_is_pasted_through_the_clipboard(self):
        document = self.document([SubMenu("TopLevel", [
            Item("Literal", "Paste me, please!"),
            Item("Lines", "first line\r\nsecond line")])])
        target = self.start_target()
        program = self.start_zorvakomat(document)

        self.pick_into(program, target, keys_to_entry(0))
        target.wait_for_text("Paste me, please!")
        downs = target.key_downs()
        self.assertIn(CTRL, downs)
        self.assertIn(V, downs)
        text, rest = self.clipboard_text()
        self.assertEqual(text, b"Paste me, please!")
        self.assertEqual(rest.strip(b"\0"), b"", "stale bytes after the text on the clipboard")

        # Line breaks reach the clipboard and the target unchanged.
        self.pick_into(program, target, keys_to_entry(1))
        target.wait_for_text("Paste me, please!first line\r\nsecond line")
        text, rest = self.clipboard_text()
        self.assertEqual(text.replace(b"\r\n", b"\n"), b"first line\nsecond line")
        self.assertEqual(rest.strip(b"\0"), b"")

    def test_token_is_typed_and_leaves_the_clipboard_alone(self):
        document = self.document([SubMenu("TopLevel", [
            Item("Seed", "seed"),
            Item("Typed", '["Typed: A+b (1<2) a_b ~{x}!"]')])])
        target = self.start_target()
        program = self.start_zorvakomat(document)
        self.pick_into(program, target, keys_to_entry(0))
        target.wait_for_text("seed")
        pastes = target.key_downs().count(CTRL)

        self.pick_into(program, target, keys_to_entry(1))
        target.wait_for_text("seedTyped: A+b (1<2) a_b ~{x}!")
        self.assertEqual(target.key_downs().count(CTRL), pastes, "the token was pasted")
        self.assertEqual(self.clipboard_text()[0], b"seed")

    def test_named_keys_move_the_caret_in_a_chain(self):
        document = self.document([SubMenu("Keys", [
            Item("ab", '["ab"]', chain=True),
            Item("Left", "[left]", chain=True),
            Item("X", '["X"]', chain=True),
            Item("End", "[END]", chain=True),
            Item("Tab", "[Tab]", chain=True),
            Item("Escape", "[escape]", chain=True),
            Item("Y", '["Y"]')])])
        target = self.start_target()
        program = self.start_zorvakomat(document)
        self.pick_into(program, target, keys_to_cascade_item(0, 0))
        target.wait_for_text("aXb\tY")
        downs = target.key_downs()
        for code, name in ((0x25, "Left"), (0x23, "End"), (0x09, "Tab"), (0x1B, "Escape")):
            self.assertIn(code, downs, f"no {name} key reached the target")

    def test_chain_runs_following_items_until_a_clear_flag(self):
        document = self.document([SubMenu("TopLevel", [
            Item("One", '["one "]', chain=True),
            Item("Two", "two ", chain=True),   # pasted in the middle of the chain
            Item("Three", '["three"]'),
            Item("Four", '["four"]')])])
        target = self.start_target()
        program = self.start_zorvakomat(document)
        # Each pick is checked before the next; a chain that ran on past the
        # clear flag would show "four" early.
        for index, typed in ((0, "one two three"), (1, "one two threetwo three"),
                             (3, "one two threetwo threefour")):
            with self.subTest(picked=index):
                self.pick_into(program, target, keys_to_entry(index))
                target.wait_for_text(typed)
