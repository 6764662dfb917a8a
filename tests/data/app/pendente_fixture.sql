-- Fixture for the pending-closing report: a session of shift TARDE (controle 2) opened on
-- 10 March 2026 and left open; the program starts again on 12 March 2026 at 15:30.
INSERT INTO configuracao (Nome, Cnpj) VALUES ('LOJA TESTE', '12345678000190');
INSERT INTO filial (Codigofilial, Nomefilial) VALUES (1, 'Matriz');
INSERT INTO turno (controle, descricao, horaabertura, horafechamento) VALUES
  (1, 'MANHA', '07:00', '13:00'), (2, 'TARDE', '13:00', '19:00');
INSERT INTO funcionario (Codigofuncionario, nomefuncionario, Ativo) VALUES (2, 'ANA', 'S'), (3, 'JOAO', 'S');
INSERT INTO abrefechacaixa (Controle, NumCaixa, DataAbertura, HoraAbertura, UsuarioCaixa, turno, maquina, troco,
                            DataFechamento, HoraFechamento, UsuarioFechamento) VALUES
  (5, '001', '2026-03-08', '13:01:00', 'CAIXA1', 2, 'LOJA01-caixa', 80, '2026-03-08', '19:00:00', 'CAIXA1'),
  (6, '001', '2026-03-09', '07:02:00', 'CAIXA2', 1, 'LOJA02-caixa', 50, NULL, NULL, NULL),
  (7, '001', '2026-03-10', '13:05:10', 'CAIXA1', 2, 'LOJA01-caixa', 100, NULL, NULL, NULL),
  (8, '001', '2026-03-11', '13:02:00', 'CAIXA1', 2, 'LOJA01-caixa', 90, NULL, NULL, NULL),
  (9, '001', '2026-03-12', '13:00:30', 'CAIXA1', 2, 'LOJA01-caixa', 70, NULL, NULL, NULL);
INSERT INTO caixa (Controle, Data, Hora, Turno, CodigoNota, especie, es, Tipo, Credito, Debito, valor, troco,
                   NFCancelada, Descricao) VALUES
  (1,  '2026-03-10', '13:05:10', '2', '41',   'AD.TROCO', 'E', 'CREDITO', 100, 0, 100, 100, 'N', 'TROCO'),
  (2,  '2026-03-10', '13:15:00', '2', '1001', 'Dinheiro', 'E', 'CREDITO', 60, 0, 60, 10, 'N', 'VENDA A VISTA'),
  (3,  '2026-03-10', '13:20:00', '2', '1002', 'CARTAO CREDITO', 'E', 'CREDITO', 120, 0, 120, 0, 'N', 'VENDA CARTAO'),
  (4,  '2026-03-10', '13:25:00', '2', '1003', 'CARTAO DEBITO', 'E', 'CREDITO', 80, 0, 80, 0, 'N', 'VENDA CARTAO'),
  (5,  '2026-03-10', '13:30:00', '2', '1004', 'CHEQUE', 'E', 'CREDITO', 200, 0, 200, 0, 'N', 'VENDA CHEQUE'),
  (6,  '2026-03-10', '13:40:00', '2', '1005', 'CREDIARIO', 'E', 'CREDITO', 300, 0, 300, 0, 'N', 'VENDA CREDIARIO'),
  (7,  '2026-03-10', '13:45:00', '2', '',     'Recebimento Crediario Dinheiro', 'E', 'CREDITO', 45, 0, 45, 0, 'N', 'PARCELA MARIA DA SILVA'),
  (8,  '2026-03-10', '14:00:00', '2', '',     'SANGRIA', 'S', 'DEBITO', 0, 150, 150, 0, 'N', 'SANGRIA PARA O COFRE'),
  (9,  '2026-03-10', '14:10:00', '2', '',     'DINHEIRO', 'S', 'DEBITO', 0, 32.5, 32.5, 0, 'N', 'MATERIAL DE LIMPEZA'),
  (10, '2026-03-10', '14:20:00', '2', '',     'BANCO', 'E', 'CREDITO', 70, 0, 70, 0, 'N', 'DEPOSITO CLIENTE'),
  (11, '2026-03-10', '14:40:00', '2', '',     'BANCO', 'S', 'DEBITO', 0, 300, 300, 0, 'N', 'DEPOSITO BANCO'),
  (12, '2026-03-10', '14:50:00', '2', '',     'DEVOLUCAO', 'S', 'DEBITO', 0, 49.9, 49.9, 0, 'N', 'DEVOLUCAO'),
  (13, '2026-03-10', '15:00:00', '2', '1010', 'DINHEIRO', 'S', 'DEBITO', 0, 20, 20, 0, 'N', 'TROCA'),
  (14, '2026-03-10', '15:10:00', '2', '1011', 'DINHEIRO', 'E', 'CREDITO', 89.9, 0, 89.9, 0, 'S', 'VENDA CANCELADA'),
  (15, '2026-03-10', '15:20:00', '1', '1012', 'DINHEIRO', 'E', 'CREDITO', 15, 0, 15, 0, 'N', 'VENDA MANHA'),
  (16, '2026-03-11', '13:30:00', '2', '1013', 'DINHEIRO', 'E', 'CREDITO', 33, 0, 33, 0, 'N', 'VENDA DIA 11'),
  (17, '2026-03-10', '15:30:00', '2', '1014', 'Dinheiro', 'E', 'CREDITO', 10, 0, 10, 10, 'N', 'VENDA TROCO'),
  (18, '2026-03-10', '15:40:00', '2', '',     'CHEQUE', 'S', 'DEBITO', 0, 60, 60, 0, 'N', 'PAGTO FORNECEDOR'),
  (19, '2026-03-10', '15:50:00', '2', '',     'CARTAO DEBITO', 'S', 'DEBITO', 0, 10, 10, 0, 'N', 'ESTORNO CARTAO'),
  (20, '2026-03-10', '16:00:00', '2', '1015', 'PIX', 'E', 'CREDITO', 30, 0, 30, 0, 'N', 'VENDA PIX');
INSERT INTO saida (Codigonota, Data, Desconto, turno, nfce, nfcancelada) VALUES
  (1001, '2026-03-10', 5, '2', NULL, 'N'),
  (1002, '2026-03-10', 3, '2', 502, 'N'),
  (1003, '2026-03-10', 0, '2', NULL, 'N'),
  (1004, '2026-03-10', 7, '1', NULL, 'N'),
  (1005, '2026-03-11', 4, '2', NULL, 'N'),
  (1006, '2026-03-10', 0, '2', NULL, 'S');
INSERT INTO itenssaida (Contador, Codigonota, Data, Codigoproduto, Produto, Qt, Preco, desconto, CodigoFuncionario,
                        DescParcela, Turno, NFCancelada, nfce) VALUES
  (1, 1001, '2026-03-10', 101, 'CAMISETA BASICA BRANCA', 2, 25, 0, 3, 'A VISTA', '2', 'N', NULL),
  (2, 1002, '2026-03-10', 202, 'CALCA JEANS', 1, 120, 3, 2, 'CARTAO', '2', 'N', 502),
  (3, 1003, '2026-03-10', 303, 'MEIA', 4, 20, 0, 2, NULL, '2', 'N', NULL),
  (4, 1004, '2026-03-10', 101, 'CAMISETA BASICA BRANCA', 1, 25, 0, 3, 'A VISTA', '1', 'N', NULL),
  (5, 1006, '2026-03-10', 202, 'CALCA JEANS', 1, 120, 0, 2, 'A VISTA', '2', 'S', NULL),
  (6, 1001, '2026-03-10', 404, 'TROCA SAPATO', 1, 50, 0, 3, 'TROCA', '2', 'N', NULL);
INSERT INTO itensnota (Controle, Codigonota, Data, Codigoproduto, Produto, Qt, Preco, usuario, nfcancelada, turno) VALUES
  (1, 501, '2026-03-10', 101, 'CAMISETA BASICA BRANCA TAM M', 10, 12.5, 'GERENTE', 'N', '2'),
  (2, 502, '2026-03-10', 202, 'CALCA JEANS', 5, 60, 'GERENTE', 'N', '1'),
  (3, 503, '2026-03-10', 303, 'MEIA', 12, 5, 'GERENTE', 'S', '2');
INSERT INTO produto (codigoproduto, descricao, quantidade, QtMinima) VALUES
  (101, 'CAMISETA BASICA BRANCA', 3, 5),
  (202, 'CALCA JEANS', 10, 2),
  (303, 'MEIA', NULL, 10),
  (404, '', 0, 3),
  (505, 'BONE', 1, 1);
