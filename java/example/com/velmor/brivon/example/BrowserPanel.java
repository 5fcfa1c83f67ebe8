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
    // The engine's command ids of the menu items it prepares.
    private static final int MENU_BACK = 100;
    private static final int MENU_FORWARD = 101;
    private static final int MENU_RELOAD = 102;
    private static final int MENU_RELOAD_NOCACHE = 103;
    private static final int MENU_STOP = 104;
    private static final int MENU_PRINT = 131;
    private static final int MENU_VIEW_SOURCE = 132;
    private static final int MENU_SEPARATOR = -1;
    private static final Map<Integer, String> MENU_LABELS = Map.ofEntries(
            Map.entry(MENU_BACK, "Back"), Map.entry(MENU_FORWARD, "Forward"), Map.entry(MENU_RELOAD, "Reload"),
            Map.entry(MENU_RELOAD_NOCACHE, "Reload without cache"), Map.entry(MENU_STOP, "Stop"),
            Map.entry(110, "Undo"), Map.entry(111, "Redo"), Map.entry(112, "Cut"), Map.entry(113, "Copy"),
            Map.entry(114, "Paste"), Map.entry(115, "Delete"), Map.entry(116, "Select all"),
            Map.entry(MENU_PRINT, "Print"), Map.entry(MENU_VIEW_SOURCE, "View source"));
    /** The editing items (undo 110 to select all 116) as the page's own editing commands. */
    private static final Map<Integer, String> EDIT_COMMANDS = Map.of(110, "undo", 111, "redo", 112, "cut",
            113, "copy", 114, "paste", 115, "delete", 116, "selectAll");
    /** The engine's cursor types (its numbers) that AWT has a cursor for; the rest show the default one. */
    private static final Map<Integer, Integer> CURSORS = Map.ofEntries(
            Map.entry(1, Cursor.CROSSHAIR_CURSOR), Map.entry(2, Cursor.HAND_CURSOR), Map.entry(3, Cursor.TEXT_CURSOR),
            Map.entry(4, Cursor.WAIT_CURSOR), Map.entry(34, Cursor.WAIT_CURSOR),
            Map.entry(6, Cursor.E_RESIZE_CURSOR), Map.entry(7, Cursor.N_RESIZE_CURSOR),
            Map.entry(8, Cursor.NE_RESIZE_CURSOR), Map.entry(9, Cursor.NW_RESIZE_CURSOR),
            Map.entry(10, Cursor.S_RESIZE_CURSOR), Map.entry(11, Cursor.SE_RESIZE_CURSOR),
            Map.entry(12, Cursor.SW_RESIZE_CURSOR), Map.entry(13, Cursor.W_RESIZE_CURSOR),
            Map.entry(14, Cursor.N_RESIZE_CURSOR), Map.entry(15, Cursor.E_RESIZE_CURSOR),
            Map.entry(29, Cursor.MOVE_CURSOR), Map.entry(41, Cursor.MOVE_CURSOR), Map.entry(42, Cursor.MOVE_CURSOR));

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
        setCursor(Cursor.getPredefinedCursor(CURSORS.getOrDefault(cursorType, Cursor.DEFAULT_CURSOR)));
    }

    /**
     * The engine shows no menu of an off-screen browser: Swing draws the items it prepared, and
     * a choice is carried out through the bridge's other methods, since none reports it back.
     */
    void showContextMenu(long id, int x, int y, int[] commandIds, boolean[] enabled) {
        JPopupMenu menu = new JPopupMenu();
        for (int i = 0; i < commandIds.length; i++) {
            int command = commandIds[i];
            if (command == MENU_SEPARATOR) {
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
            case MENU_BACK: CefLib.goBack(id); break;
            case MENU_FORWARD: CefLib.goForward(id); break;
            case MENU_RELOAD: CefLib.reload(id); break;
            case MENU_RELOAD_NOCACHE: CefLib.reloadIgnoreCache(id); break;
            case MENU_STOP: CefLib.stopLoad(id); break;
            case MENU_PRINT: CefLib.executeJavaScript(id, "window.print();"); break;
            case MENU_VIEW_SOURCE: CefLib.loadUrl(id, "view-source:" + CefLib.getMainFrameUrl(id)); break;
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
