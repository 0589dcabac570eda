"""Typing into a Unicode edit box on a US layout: characters the layout has
no key for arrive as themselves, in a quoted text and in a prompted answer
typed back; no modifier stays down after a macro."""
from harness.e2e_case import E2ETestCase, Item, SubMenu
from harness.zorvakomat import entry

DATA_ENTRY = "Zorvakomat Data Entry Box"
QUOTED = "caf\u00e9 \u20ac5 na\u00efve, \u00c0 bient\u00f4t!"
ANSWER = "Ren\u00e9e \u00a3\u20ac"
# The entries after the separator: Quoted, Ask, Held.
DOCUMENT = [SubMenu("TopLevel", [
    Item("Quoted", f'["{QUOTED}"]'),
    Item("Ask", f"[*{ANSWER}]", True), Item("the box", "[&1Name?]", True), Item("typed", '["<[%1]>"]'),
    Item("Held", '["[shift]x"]')])]


class Typing(E2ETestCase):
    def test_characters_without_a_key_arrive_as_written(self):
        target = self.start_target(wide=True)
        program = self.zorvakomat().start(self.document(DOCUMENT))
        program.wait_hidden()

        program.menu(*entry(0), into=target)
        target.wait_for_text(QUOTED)

        # The box offers the default; OK takes it, and it is typed back.
        program.menu(*entry(1), into=target)
        program.answer("Return", DATA_ENTRY)
        target.wait_for_text(QUOTED + "<" + ANSWER + ">")

        # The Shift the macro left down is released at its end: the next
        # quoted text comes out in small letters.
        program.menu(*entry(4), into=target)
        target.wait_for_text(QUOTED + "<" + ANSWER + ">X")
        program.menu(*entry(0), into=target)
        target.wait_for_text(QUOTED + "<" + ANSWER + ">X" + QUOTED)
