#!/usr/bin/env python3
"""Reads the generated documents with Python's own property-list parser and
checks the values the target app will see."""
import os
import plistlib
import subprocess
import sys
import tempfile
import unittest

CATALOGUE = ["WiFi", "Data", "3G", "4G", "LTE", "KillBackground", "HomeButton", "Airplane",
             "Location", "DND", "Flashlight", "SleepButton", "Rotation", "Backlight", "AutoLock",
             "Mute", "ClearBadge", "VPN", "Hotspot", "Respring", "Reboot", "Shutdown",
             "Bluetooth", "Uicache"]


def panel_setting(panel, multi_line, switch_view):
    return {"LaunchApp": 0, "SetNotificationShow": 0, "WeeBatteryViewEnabled": 0,
            "PanelEnabled": panel, "WeeMultiLineEnabled": multi_line,
            "WeeSwitchViewEnabled": switch_view}


def intelligence(three_g, background, sleep, begin, end):
    return {"KBatteryDoctor_inSleepMode": 0,
            "LowBattery": {"Enabled": 0, "Level": 20},
            "3G": {"Delay": 60, "Enabled": three_g},
            "Background": {"Delay": 600, "Enabled": background},
            "Sleep": {"BeginTime": begin, "Enabled": sleep, "EndTime": end, "OutState": -2}}


EXPECTED = {
    "initial": (CATALOGUE, panel_setting(0, 1, 1), intelligence(0, 0, 0, 0.0, 21600.0)),
    "everything-on": (["Uicache"] + CATALOGUE[1:-1] + ["WiFi"], panel_setting(1, 0, 0),
                      intelligence(1, 1, 1, 81000.0, 26100.0)),
    "odd-texts": (["VPN", "VPN", "Data"], panel_setting(0, 1, 0),
                  intelligence(0, 0, 0, 3600.0, 1200.000005999)),
    "empty-list": ([], panel_setting(0, 1, 0), intelligence(0, 0, 0, 0.0, 0.0)),
}


class GeneratedPlists(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp()
        subprocess.run([DUMP, cls.dir], check=True)

    def load(self, state, name):
        with open(os.path.join(self.dir, f"{state}-{name}"), "rb") as f:
            return plistlib.load(f, fmt=plistlib.FMT_XML)

    def test_values_and_types_seen_by_a_plist_reader(self):
        for state, (order, setting, intel) in EXPECTED.items():
            with self.subTest(state=state):
                self.assertEqual(self.load(state, "PanelOrder.plist"), order)
                loaded_setting = self.load(state, "PanelSetting.plist")
                self.assertEqual(loaded_setting, setting)
                self.assertEqual(list(loaded_setting), list(setting))  # key order
                self.assertTrue(all(type(v) is int for v in loaded_setting.values()))
                loaded_intel = self.load(state, "IntelligenceSetting.plist")
                self.assertEqual(loaded_intel, intel)
                self.assertIs(type(loaded_intel["Sleep"]["BeginTime"]), float)
                self.assertIs(type(loaded_intel["Sleep"]["EndTime"]), float)
                self.assertIs(type(loaded_intel["Sleep"]["OutState"]), int)


if __name__ == "__main__":
    DUMP = sys.argv.pop(1)
    unittest.main(verbosity=2)
