package com.velmor.brivon.example;

import com.velmor.brivon.jni.CefLib;
import java.awt.Cursor;
import java.awt.Dimension;
import java.awt.Graphics;
import java.awt.event.ComponentAdapter;
import java.awt.event.ComponentEvent;
import java.awt.event.KeyEvent;
import java.awt.event.KeyListener;
import java.awt.event.MouseAdapter;
import java.awt.event.MouseEvent;
import java.awt.event.MouseWheelEvent;
import java.util.Map;
import javax.swing.JMenuItem;
import javax.swing.JPanel;
import javax.swing.JPopupMenu;

/**
 * The off-screen browser on screen: draws the {@link FrameBuffer} and forwards size, mouse,
 * wheel and keys. Lives on Swing's thread; every bridge call is handed to the pumping thread.
 */
final class BrowserPanel extends JPanel {
    private static final long serialVersionUID = 1L;
    private static final Map<Integer, String> MENU_LABELS = Map.ofEntries(
            Map.entry(100, "Back"), Map.entry(101, "Forward"), Map.entry(102, "Reload"),
            Map.entry(103, "Reload without cache"), Map.entry(104, "Stop"), Map.entry(110, "Undo"),
            Map.entry(111, "Redo"), Map.entry(112, "Cut"), Map.entry(113, "Copy"), Map.entry(114, "Paste"),
            Map.entry(115, "Delete"), Map.entry(116, "Select all"), Map.entry(131, "Print"),
            Map.entry(132, "View source"));
    private static final Map<Integer, String> EDIT_COMMANDS = Map.of(110, "undo", 111, "redo", 112, "cut",
            113, "copy", 114, "paste", 115, "delete", 116, "selectAll");

    private final transient EngineThread engine;
    private final transient FrameBuffer frames;
    private long browserId;
    private boolean dragging;

    BrowserPanel(EngineThread engine, FrameBuffer frames) {
        this.engine = engine;
        this.frames = frames;
        setPreferredSize(new Dimension(800, 600));
        setFocusable(true);
        // Tab belongs to the page, not to Swing's focus traversal.
        setFocusTraversalKeysEnabled(false);
        addComponentListener(new ComponentAdapter() {
            @Override
            public void componentResized(ComponentEvent e) {
                resizeBrowser();
            }
        });
        MouseAdapter mouse = new Mouse();
        addMouseListener(mouse);
        addMouseMotionListener(mouse);
        addMouseWheelListener(mouse);
        addKeyListener(new Keys());
    }

    /** The browser exists: from now on input reaches it. */
    void attach(long id) {
        browserId = id;
        resizeBrowser();
    }

    long browserId() {
        return browserId;
    }

    private void resizeBrowser() {
        long id = browserId;
        int width = getWidth();
        int height = getHeight();
        if (id > 0 && width > 0 && height > 0) {
            engine.submit(() -> {
                CefLib.resize(id, width, height);
                engine.hooks().resized(id, width, height);
            });
        }
    }

    @Override
    protected void paintComponent(Graphics g) {
        super.paintComponent(g);
        frames.drawTo(g);
    }

    void showCursor(int cursorType) {
        setCursor(Cursor.getPredefinedCursor(awtCursor(cursorType)));
    }

    /** The engine's cursor types as AWT's; the engine's custom cursors show as the default one. */
    private static int awtCursor(int type) {
        switch (type) {
            case 1: return Cursor.CROSSHAIR_CURSOR;
            case 2: return Cursor.HAND_CURSOR;
            case 3: return Cursor.TEXT_CURSOR;
            case 4: case 34: return Cursor.WAIT_CURSOR;
            case 6: case 21: return Cursor.E_RESIZE_CURSOR;
            case 7: case 22: return Cursor.N_RESIZE_CURSOR;
            case 8: case 23: return Cursor.NE_RESIZE_CURSOR;
            case 9: case 24: return Cursor.NW_RESIZE_CURSOR;
            case 10: case 25: case 14: return Cursor.S_RESIZE_CURSOR;
            case 11: case 26: return Cursor.SE_RESIZE_CURSOR;
            case 12: case 27: return Cursor.SW_RESIZE_CURSOR;
            case 13: case 28: case 15: return Cursor.W_RESIZE_CURSOR;
            case 29: case 20: case 41: case 42: return Cursor.MOVE_CURSOR;
            default: return Cursor.DEFAULT_CURSOR;
        }
    }

    /**
     * The engine shows no menu of an off-screen browser: Swing draws the items it prepared, and
     * a choice is carried out through the bridge's other methods, since none reports it back.
     */
    void showContextMenu(long id, int x, int y, int[] commandIds, boolean[] enabled) {
        JPopupMenu menu = new JPopupMenu();
        for (int i = 0; i < commandIds.length; i++) {
            int command = commandIds[i];
            if (command == -1) {
                menu.addSeparator();
                continue;
            }
            JMenuItem item = new JMenuItem(MENU_LABELS.getOrDefault(command, "Command " + command));
            item.setEnabled(enabled[i] && MENU_LABELS.containsKey(command));
            item.addActionListener(e -> engine.submit(() -> run(id, command)));
            menu.add(item);
        }
        menu.show(this, x, y);
    }

    private static void run(long id, int command) {
        switch (command) {
            case 100: CefLib.goBack(id); break;
            case 101: CefLib.goForward(id); break;
            case 102: CefLib.reload(id); break;
            case 103: CefLib.reloadIgnoreCache(id); break;
            case 104: CefLib.stopLoad(id); break;
            case 131: CefLib.executeJavaScript(id, "window.print();"); break;
            case 132: CefLib.loadUrl(id, "view-source:" + CefLib.getMainFrameUrl(id)); break;
            default:
                if (EDIT_COMMANDS.containsKey(command)) {
                    CefLib.executeJavaScript(id, "document.execCommand('" + EDIT_COMMANDS.get(command) + "');");
                }
                break;
        }
    }

    /** A drag the page started: the browser is its own drop target until the button goes up. */
    void startDrag() {
        dragging = true;
    }

    private final class Mouse extends MouseAdapter {
        @Override
        public void mousePressed(MouseEvent e) {
            requestFocusInWindow();
            click(e, false);
        }

        @Override
        public void mouseReleased(MouseEvent e) {
            long id = browserId;
            int x = e.getX();
            int y = e.getY();
            if (dragging && id > 0) {
                dragging = false;
                engine.submit(() -> CefLib.dragTargetDrop(id, x, y));
            }
            click(e, true);
            int button = InputMapping.button(e);
            if (id > 0 && button >= 0) {
                engine.submit(() -> engine.hooks().clicked(id, x, y, button));
            }
        }

        @Override
        public void mouseMoved(MouseEvent e) {
            move(e, false);
        }

        @Override
        public void mouseDragged(MouseEvent e) {
            long id = browserId;
            int x = e.getX();
            int y = e.getY();
            if (dragging && id > 0) {
                engine.submit(() -> CefLib.dragTargetDragOver(id, x, y));
            } else {
                move(e, false);
            }
        }

        @Override
        public void mouseExited(MouseEvent e) {
            move(e, true);
        }

        @Override
        public void mouseWheelMoved(MouseWheelEvent e) {
            long id = browserId;
            int x = e.getX();
            int y = e.getY();
            int[] delta = InputMapping.wheelDeltas(e);
            if (id > 0) {
                engine.submit(() -> CefLib.sendMouseWheelEvent(id, x, y, delta[0], delta[1]));
            }
        }

        private void click(MouseEvent e, boolean up) {
            long id = browserId;
            int x = e.getX();
            int y = e.getY();
            int button = InputMapping.button(e);
            if (id > 0 && button >= 0) {
                engine.submit(() -> CefLib.sendMouseClickEvent(id, x, y, button, up));
            }
        }

        private void move(MouseEvent e, boolean leave) {
            long id = browserId;
            int x = e.getX();
            int y = e.getY();
            int modifiers = InputMapping.modifiers(e);
            if (id > 0) {
                engine.submit(() -> {
                    CefLib.sendMouseMoveEvent(id, x, y, modifiers, leave);
                    engine.hooks().mouseMoved(id, x, y);
                });
            }
        }
    }

    private final class Keys implements KeyListener {
        @Override
        public void keyPressed(KeyEvent e) {
            send(e);
        }

        @Override
        public void keyReleased(KeyEvent e) {
            send(e);
        }

        @Override
        public void keyTyped(KeyEvent e) {
            send(e);
        }

        private void send(KeyEvent e) {
            long id = browserId;
            InputMapping.Key key = InputMapping.key(e);
            if (id > 0 && key != null) {
                // AWT does not tell the Windows scan code; the engine works from the key code.
                engine.submit(() -> CefLib.sendKeyEvent(id, key.type, key.modifiers, key.windowsKeyCode, 0, key.systemKey));
            }
            e.consume();
        }
    }
}
