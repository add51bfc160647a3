# The designer's rooms, lowest first; a file includes its own room and those listed before it.
#   res       resources: dialog templates, menus, bitmaps and their ids.
#   script    the script editor: text buffer, text and edit views, find and replace, colouring,
#             the script document and its window (beside the sheet: the shell connects them).
#   figure    the figure-text editor and its preview, the syntax-colouring edit, the resizable
#             dialog base.
#   freeobj   the free-object property sheet, its pages and the graphic-variable dialog.
#   cells     the cell style sheet and pages, the multi-cell sheet, small cell and line dialogs,
#             the text angle picker.
#   detail    detail-area settings and dialogs, the design grid, cell control, data binding, the
#             property list, the row-set wizard.
#   template  the template file, the new-template dialog, the page setup sheet, the drop target.
#   sheet     the sheet-definition document, view and window: rulers, the table-line, cell and
#             free-object tools. It reaches the shell through CDesignShellLink.
#   shell     the application, main frame, workspace tree, output bar, options and tool-bar
#             dialogs. It implements the links it hands to the sheet and script windows.
# A new dialog goes to the lowest room whose concern it serves; the configure fails on an include
# of a later room, and on one between script and sheet.
vorn_rooms(designer ORDER res script figure freeobj cells detail template sheet shell APART script sheet)
