"""The tests' document writer must write what the program reads: a writer
fault would make every end-to-end test load something else than it meant."""
import unittest

from harness.zvk_file import Item, SubMenu, counted, document_bytes


class DocumentWriter(unittest.TestCase):
    def test_two_submenus_with_chained_items_byte_for_byte(self):
        data = document_bytes([
            SubMenu("TopLevel", [Item("Enter", "[enter]", chain=True), Item("Tab", "[tab]")]),
            SubMenu("Help"),
        ])
        self.assertEqual(data.hex(" "), " ".join([
            "01 00 00 00", "00 00 00 00", "00 00 00 00", "02 00 00 00",
            "02 00 00 00", "08 54 6f 70 4c 65 76 65 6c",
            "05 45 6e 74 65 72", "07 5b 65 6e 74 65 72 5d", "01 00 00 00",
            "03 54 61 62", "05 5b 74 61 62 5d", "00 00 00 00",
            "00 00 00 00", "04 48 65 6c 70"]))

    def test_length_prefix_changes_form_at_255_and_65534_bytes(self):
        for length, prefix in ((0, "00"), (254, "fe"), (255, "ff ff 00"), (65533, "ff fd ff"),
                               (65534, "ff ff ff fe ff 00 00")):
            with self.subTest(length=length):
                data = counted("x" * length)
                prefix_size = len(data) - length
                self.assertEqual(data[:prefix_size].hex(" "), prefix)

    def test_text_is_written_in_the_ansi_code_page(self):
        self.assertEqual(counted("caf\u00e9 \u20ac"), b"\x06caf\xe9 \x80")


if __name__ == "__main__":
    unittest.main()
