#include "LayoutTexts.h"
#include "CorpusTexts.h"

namespace {

const char* const listings[] = {
    "$ ls -la /usr\n"
    "total 108\n"
    "drwxr-xr-x  14 root root  4096 Dec  6 21:47 .\n"
    "drwxr-xr-x  21 root root  4096 Dec  6 21:48 ..\n"
    "drwxr-xr-x   2 root root 45056 Dec  6 21:49 bin\n"
    "drwxr-xr-x   2 root root  4096 Dec  6 21:47 etc\n"
    "drwxr-xr-x   2 root root  4096 May  9  2025 games\n"
    "drwxr-xr-x  88 root root 12288 Dec  6 21:49 include\n"
    "drwxr-xr-x  66 root root  4096 Dec  6 21:49 lib",
    "$ ls -l /etc\n"
    "drwxr-xr-x 2 root root  4096 Dec  6 21:49 ImageMagick-6\n"
    "drwxr-xr-x 9 root root  4096 Dec  6 21:49 X11\n"
    "-rw-r--r-- 1 root root  3040 May 25  2023 adduser.conf\n"
    "drwxr-xr-x 2 root root 20480 Dec  6 21:49 alternatives\n"
    "-rw-r--r-- 1 root root   433 Oct  2  2022 apg.conf\n"
    "drwxr-xr-x 3 root root  4096 Sep 22 04:38 apparmor.d\n"
    "-rw-r--r-- 1 root root  2319 Jan  6  2023 bash.bashrc",
    "$ ps -eo pid,user,%cpu,%mem,stat,comm\n"
    "  PID USER     %CPU %MEM STAT COMMAND\n"
    "    1 root      1.3  0.0 Ss   systemd\n"
    "    2 root      0.0  0.0 S    kthreadd\n"
    "  412 root      0.0  0.1 Ss   systemd-journal\n"
    "  655 avahi     0.0  0.0 Ss   avahi-daemon\n"
    "  702 message+  0.1  0.0 Ss   dbus-daemon\n"
    " 1184 anna      2.4  1.9 Sl   gnome-shell\n"
    " 2271 anna      0.3  0.4 Sl   gnome-terminal-",
    "$ df -h\n"
    "Filesystem      Size  Used Avail Use% Mounted on\n"
    "udev            7.8G     0  7.8G   0% /dev\n"
    "tmpfs           1.6G  2.1M  1.6G   1% /run\n"
    "/dev/nvme0n1p2  468G  201G  244G  46% /\n"
    "tmpfs           7.8G  142M  7.7G   2% /dev/shm\n"
    "/dev/nvme0n1p1  511M  5.9M  506M   2% /boot/efi\n"
    "tmpfs           1.6G  120K  1.6G   1% /run/user/1000",
    "$ free -h\n"
    "               total        used        free      shared  buff/cache   available\n"
    "Mem:            23Gi       1.2Gi        20Gi        10Mi       2.1Gi        22Gi\n"
    "Swap:          2.0Gi          0B       2.0Gi",
    "$ ip -br addr\n"
    "lo               UNKNOWN        127.0.0.1/8 ::1/128\n"
    "enp3s0           UP             192.168.1.23/24 fe80::a00:27ff:fe4e:66a1/64\n"
    "wlp2s0           DOWN\n"
    "docker0          DOWN           172.17.0.1/16",
    "$ git log --oneline -6\n"
    "832bd3e Onboarding: reads text in one language\n"
    "43e7f65 Merge branch 'linux-texts'\n"
    "c5498fd Merge main into fix-ui\n"
    "5768937 Wording of a comment\n"
    "56df77f The package recommends Noto CJK\n"
    "e176694 The tray icon takes the panel colour",
    "$ systemctl list-units --type=service --state=running\n"
    "UNIT                     LOAD   ACTIVE SUB     DESCRIPTION\n"
    "cron.service             loaded active running Regular background program processing daemon\n"
    "dbus.service             loaded active running D-Bus System Message Bus\n"
    "ssh.service              loaded active running OpenBSD Secure Shell server\n"
    "systemd-logind.service   loaded active running User Login Management\n"
    "udisks2.service          loaded active running Disk Manager",
};

const char* const tables[] = {
    "Name\tSize\tType\tModified\n"
    "Documents\t12 items\tFolder\tYesterday\n"
    "report-2024.pdf\t1.2 MB\tPDF document\t14 March\n"
    "holiday.jpg\t3.4 MB\tImage\t2 January\n"
    "budget.ods\t48 kB\tSpreadsheet\tToday\n"
    "notes.txt\t912 bytes\tText\t09:41",
    "Country\tCapital\tPopulation\tArea\n"
    "France\tParis\t68,042,591\t551,695\n"
    "Germany\tBerlin\t84,482,267\t357,592\n"
    "Italy\tRome\t58,850,717\t301,340\n"
    "Spain\tMadrid\t48,345,223\t505,990\n"
    "Portugal\tLisbon\t10,467,366\t92,212",
    "Product\tQty\tUnit price\tTotal\n"
    "Keyboard\t2\t49.90\t99.80\n"
    "Mouse\t3\t19.50\t58.50\n"
    "Monitor stand\t1\t34.00\t34.00\n"
    "USB-C cable\t5\t7.99\t39.95\n"
    "Subtotal\t\t\t232.25",
    "Process\tCPU\tMemory\tThreads\tUser\n"
    "firefox\t12.4%\t1.3 GB\t112\tanna\n"
    "gnome-shell\t4.1%\t512 MB\t24\tanna\n"
    "Xwayland\t1.7%\t88 MB\t9\tanna\n"
    "pipewire\t0.6%\t21 MB\t4\tanna\n"
    "tracker-miner-fs\t0.2%\t64 MB\t7\tanna",
    "Key\tAction\tWhen\n"
    "Super+Shift+T\tCapture text\tAnywhere\n"
    "Ctrl+C\tCopy the selection\tIn a window\n"
    "Ctrl+Z\tUndo the last change\tIn the editor\n"
    "Escape\tCancel the capture\tWhile selecting",
};

const char* const symbolCode[] = {
    "def _munge_whitespace(self, text):\n"
    "    if self.expand_tabs:\n"
    "        text = text.expandtabs(self.tab_size)\n"
    "    if self.replace_whitespace:\n"
    "        text = text.translate(self.unicode_whitespace_trans)\n"
    "    return text",
    "for i in range(len(items)):\n"
    "    if i > 1 and items[i] != items[i - 1]:\n"
    "        total_count += items[i] * 2\n"
    "    elif i <= 0 or not is_valid(items[i]):\n"
    "        skipped_items.append(i)",
    "static int read_header(struct file_hdr *hdr, FILE *fp) {\n"
    "    if (fread(hdr, sizeof(*hdr), 1, fp) != 1)\n"
    "        return -EIO;\n"
    "    hdr->data_len = le32_to_cpu(hdr->data_len);\n"
    "    return hdr->magic == FILE_MAGIC ? 0 : -EINVAL;\n"
    "}",
    "const MAX_RETRY_COUNT = 5;\n"
    "let retry_delay_ms = 250;\n"
    "if (response.status_code >= 500 && attempt < MAX_RETRY_COUNT) {\n"
    "    await sleep(retry_delay_ms * 2 ** attempt);\n"
    "}",
    "export PATH=\"$HOME/.local/bin:$PATH\"\n"
    "CONFIG_DIR=${XDG_CONFIG_HOME:-$HOME/.config}\n"
    "[ -f \"$CONFIG_DIR/app_settings.ini\" ] || exit 1\n"
    "grep -E '^[a-z_]+=' \"$CONFIG_DIR/app_settings.ini\" | sort -u",
    "std::vector<int> m_values{1, 2, 3};\n"
    "auto it = std::find_if(m_values.begin(), m_values.end(),\n"
    "                       [](int v) { return v % 2 == 0; });\n"
    "if (it != m_values.end() && *it > 1) { /* found */ }",
};

const char* const labelPanels[] = {
    "Name:\tInkharbor\n"
    "Version:\t1.4.2\n"
    "Shortcut:\tSuper+Shift+T\n"
    "Language:\tEnglish (United States)\n"
    "History:\tKeep the last 50 captures\n"
    "Sound:\tOn",
    "Display\tBuilt-in Retina Display\n"
    "Resolution\t2560 x 1600\n"
    "Refresh rate\t60 Hz\n"
    "Scale\t200%\n"
    "Night light\tOff\n"
    "Orientation\tLandscape",
    "Wi-Fi\tConnected\n"
    "Network\tHomeNet 5G\n"
    "IPv4 address\t192.168.1.23\n"
    "Default route\t192.168.1.1\n"
    "DNS\t1.1.1.1\n"
    "Link speed\t866 Mb/s",
};

const char* const photoLines[] = {
    "Welcome to the harbour",    "Open daily from 9 to 17",  "Fresh coffee and pastries",
    "Platform 4 for all trains", "Sunset over the old town", "No parking in front of the gate",
};

} // namespace

namespace LayoutTexts {

using CorpusTexts::toList;

QStringList listings() {
    return toList(::listings);
}

QStringList tables() {
    return toList(::tables);
}

QStringList symbolCode() {
    return toList(::symbolCode);
}

QStringList labelPanels() {
    return toList(::labelPanels);
}

QStringList photoLines() {
    return toList(::photoLines);
}

} // namespace LayoutTexts
